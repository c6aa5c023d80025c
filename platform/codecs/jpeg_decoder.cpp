#include "platform/codecs/jpeg_decoder.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <memory>
#include <vector>

namespace marevisk {
namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    bool too_many_scans;
};

[[noreturn]] void OnError(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}
void OnMessage(j_common_ptr, int) {}  // warnings (a truncated file among them) are not shown
void OnOutput(j_common_ptr) {}

void OnProgress(j_common_ptr cinfo) {
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_scan_number > kJpegMaxScans) {
        reinterpret_cast<ErrorManager*>(cinfo->err)->too_many_scans = true;
        OnError(cinfo);
    }
}

// Work the decoder shares with the code that outlives a longjmp.
struct Job {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    jpeg_progress_mgr progress;
    std::vector<JSAMPLE>* raw;  // one output row as libjpeg writes it
    std::vector<Argb>* line;    // the same row as pixels
    long rows_done;
    bool declared;
};

int OrientationOf(j_decompress_ptr cinfo) {
    for (jpeg_saved_marker_ptr m = cinfo->marker_list; m; m = m->next) {
        if (m->marker != JPEG_APP0 + 1) continue;
        const int o =
            ExifOrientation(Bytes(reinterpret_cast<const char*>(m->data), m->data_length));
        if (o != 1) return o;
    }
    return 1;
}

// Runs libjpeg; every exit from libjpeg's side comes back here through longjmp. Nothing with a
// destructor lives in this frame.
bool Run(Job& job, Bytes data, PictureSink& sink, std::string& reason) {
    jpeg_decompress_struct& cinfo = job.cinfo;
    if (setjmp(job.err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        if (job.err.too_many_scans && job.rows_done == 0)
            reason = why::kDamaged;
        else if (job.rows_done == 0)
            reason = job.declared ? why::kDamaged : why::kNotAPicture;
        return job.rows_done > 0;  // a picture cut short shows what decoded
    }
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = kJpegMemoryLimit;
    cinfo.progress = &job.progress;
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(data.data()),
                 static_cast<unsigned long>(data.size()));
    jpeg_save_markers(&cinfo, JPEG_APP0 + 1, 0xffff);
    jpeg_read_header(&cinfo, TRUE);

    if (!SizeAllowed(cinfo.image_width, cinfo.image_height, reason)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    // A progressive picture keeps all its coefficients, 128 bytes for each 8 x 8 block of every
    // component; refuse what would pass the memory cap before libjpeg takes any of it.
    if (cinfo.progressive_mode) {
        unsigned long long bytes = 0;
        for (int i = 0; i < cinfo.num_components; ++i)
            bytes += (unsigned long long)cinfo.comp_info[i].width_in_blocks *
                     cinfo.comp_info[i].height_in_blocks * 128u;
        if (bytes > (unsigned long long)kJpegMemoryLimit) {
            reason = why::kTooLarge;
            jpeg_destroy_decompress(&cinfo);
            return false;
        }
        // Every block costs at least a bit of data: a few bytes claiming millions of blocks are
        // a forged header, not a picture worth that memory.
        if ((unsigned long long)data.size() * 8 < bytes / 128) {
            reason = why::kDamaged;
            jpeg_destroy_decompress(&cinfo);
            return false;
        }
    }
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
    const Orientation orientation{OrientationOf(&cinfo)};
    if (!sink.declare(int(cinfo.image_width), int(cinfo.image_height), orientation)) {
        reason = why::kTooLarge;
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    job.declared = true;
    int want_w = int(cinfo.image_width), want_h = int(cinfo.image_height);
    sink.wantedSize(want_w, want_h);
    // The smallest k/8 whose output is still at least the wanted size.
    unsigned k = 1;
    while (k < 8 && ((cinfo.image_width * k + 7) / 8 < unsigned(want_w) ||
                     (cinfo.image_height * k + 7) / 8 < unsigned(want_h)))
        ++k;
    cinfo.scale_num = k;
    cinfo.scale_denom = 8;
    jpeg_start_decompress(&cinfo);
    const int w = int(cinfo.output_width), h = int(cinfo.output_height);
    sink.begin(w, h);
    job.raw->resize(std::size_t(w) * 4);
    job.line->resize(std::size_t(w));
    const bool inverted = cmyk && cinfo.saw_Adobe_marker;
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = job.raw->data();
        const int y = int(cinfo.output_scanline);
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) break;
        const JSAMPLE* s = job.raw->data();
        Argb* out = job.line->data();
        if (cmyk) {
            for (int x = 0; x < w; ++x, s += 4) {
                int c = s[0], m = s[1], ye = s[2], kk = s[3];
                if (!inverted) c = 255 - c, m = 255 - m, ye = 255 - ye, kk = 255 - kk;
                out[x] = MakeArgb(c * kk / 255, m * kk / 255, ye * kk / 255);
            }
        } else {
            std::memcpy(out, s, std::size_t(w) * 4);  // B, G, R, A bytes: 0xAARRGGBB
        }
        sink.row(y, out);
        ++job.rows_done;
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return job.rows_done > 0 || (reason = why::kDamaged, false);
}

}  // namespace

int ExifOrientation(Bytes app1) {
    if (!HasBytes(app1, 0, 14) || app1.substr(0, 6) != Bytes("Exif\0\0", 6)) return 1;
    const Bytes tiff = app1.substr(6);
    const bool little = tiff.substr(0, 2) == "II";
    if (!little && tiff.substr(0, 2) != "MM") return 1;
    auto u16 = [&](std::size_t at) { return little ? U16LE(tiff, at) : U16BE(tiff, at); };
    auto u32 = [&](std::size_t at) { return little ? U32LE(tiff, at) : U32BE(tiff, at); };
    const std::size_t ifd = u32(4);
    if (!HasBytes(tiff, ifd, 2)) return 1;
    const std::size_t entries = u16(ifd);
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t at = ifd + 2 + i * 12;
        if (!HasBytes(tiff, at, 12)) return 1;
        if (u16(at) == 0x0112) {
            const int v = int(u16(at + 8));
            return v >= 1 && v <= 8 ? v : 1;
        }
    }
    return 1;
}

bool DecodeJpeg(Bytes data, PictureSink& sink, std::string& reason) {
    std::vector<JSAMPLE> raw;
    std::vector<Argb> line;
    auto job = std::make_unique<Job>();
    std::memset(job.get(), 0, sizeof(Job));
    job->raw = &raw;
    job->line = &line;
    job->cinfo.err = jpeg_std_error(&job->err.base);
    job->err.base.error_exit = OnError;
    job->err.base.emit_message = OnMessage;
    job->err.base.output_message = OnOutput;
    job->progress.progress_monitor = OnProgress;
    return Run(*job, data, sink, reason);
}

}  // namespace marevisk
