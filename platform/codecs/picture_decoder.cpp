#include "platform/codecs/picture_decoder.h"

#include <optional>

#include "platform/codecs/bmp_reader.h"
#include "platform/codecs/gif_decoder.h"
#include "platform/codecs/icon_decoder.h"
#include "platform/codecs/jpeg_decoder.h"
#include "platform/codecs/pcx_decoder.h"
#include "platform/codecs/picture_format.h"
#include "platform/codecs/picture_sink.h"
#include "platform/pixels/area_scaler.h"
#include "platform/pixels/fit_rule.h"

namespace marevisk {
namespace {

// Places the picture by the fit rule as soon as its size is known, then reduces rows as they come.
class FitSink : public PictureSink {
  public:
    FitSink(int canvas_w, int canvas_h) : canvas_w_(canvas_w), canvas_h_(canvas_h) {}

    bool declare(int w, int h, Orientation o) override {
        std::string reason;
        if (!SizeAllowed(w, h, reason)) return false;
        orientation_ = o;
        place_ = o.transposed() ? FitCentred(canvas_w_, canvas_h_, h, w)
                                : FitCentred(canvas_w_, canvas_h_, w, h);
        return !place_.empty();
    }
    void wantedSize(int& w, int& h) const override {
        w = orientation_.transposed() ? place_.height : place_.width;
        h = orientation_.transposed() ? place_.width : place_.height;
    }
    void begin(int w, int h) override {
        scaler_.emplace(w, h, orientation_, place_.width, place_.height);
    }
    void row(int y, const Argb* px) override {
        if (scaler_) scaler_->addRow(y, px);
    }

    bool anyRows() const { return scaler_ && scaler_->rowsAdded() > 0; }
    FittedPicture finish(Argb background) const {
        FittedPicture out;
        out.image = scaler_->finish(background);
        out.place = {place_.x, place_.y, out.image.width, out.image.height};
        return out;
    }

  private:
    int canvas_w_, canvas_h_;
    Orientation orientation_;
    Rect place_;
    std::optional<AreaScaler> scaler_;
};

bool Decode(PictureFormat format, Bytes data, PictureSink& sink, std::string& reason) {
    switch (format) {
        case PictureFormat::Bmp:
            return DecodeBmp(data, sink, reason);
        case PictureFormat::Jpeg:
            return DecodeJpeg(data, sink, reason);
        case PictureFormat::Gif:
            return DecodeGif(data, sink, reason);
        case PictureFormat::Icon:
        case PictureFormat::Cursor:
            return DecodeIcon(data, sink, reason);
        case PictureFormat::Pcx8:
        case PictureFormat::Pcx1:
            return DecodePcx(data, sink, reason);
        default:
            reason = why::kNotAPicture;
            return false;
    }
}

}  // namespace

FittedPicture DecodeFitted(Bytes data, int canvas_w, int canvas_h, Argb background) {
    FittedPicture refused;
    if (data.empty()) return refused.reason = why::kEmpty, refused;
    if (data.size() > std::size_t(kMaxPictureFileBytes))
        return refused.reason = why::kFileTooLarge, refused;
    const PictureFormat format = RecognisePicture(data);
    if (format == PictureFormat::None) return refused.reason = why::kNotAPicture, refused;
    FitSink sink(canvas_w, canvas_h);
    std::string reason;
    if (!Decode(format, data, sink, reason) || !sink.anyRows())
        return refused.reason = reason.empty() ? why::kDamaged : reason, refused;
    return sink.finish(background);
}

}  // namespace marevisk
