#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "app/program_state.h"
#include "drawing/chip_trace.h"
#include "drawing/trace_step.h"

namespace marevisk {
namespace {

constexpr Colour W = 0xffffff, K = 0x000000, R = 0x0000ff, G = 0x00ff00;

// Records the segments the tracer draws as "colour:x1,y1>x2,y2".
class Recorder : public TraceTarget {
  public:
    void setPenColour(Colour c) override { colour_ = c; }
    void drawLine(int x1, int y1, int x2, int y2) override {
        std::ostringstream s;
        s << std::hex << colour_ << std::dec << ":" << x1 << "," << y1 << ">" << x2 << "," << y2;
        segments.push_back(s.str());
    }
    std::vector<std::string> segments;

  private:
    Colour colour_ = 0;
};

class TraceTest : public ::testing::Test {
  protected:
    void SetUp() override { CreateProgramState(); }
    void TearDown() override { ReleaseProgramState(); }

    // Rows of the source picture, top row first.
    void source(const std::vector<std::vector<Colour>>& rows) {
        const int h = int(rows.size()), w = int(rows[0].size());
        SourceBitmap->createBlank(w, h, 24, W);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                SourceBitmap->setPixel(x, y, rows[std::size_t(y)][std::size_t(x)]);
    }
    std::vector<std::string> trace() {
        Recorder r;
        TraceChipText(r);
        return r.segments;
    }
};

TEST_F(TraceTest, AWalkFollowsLikePixelsAndSkipsColumnAndRowZero) {
    source({
        {K, K, K, K},
        {K, K, K, W},
        {W, W, K, W},
        {W, W, W, W},
    });
    // Scan from (1,1): up is row 0 (never), right (2,1), down (2,2), then up-left back to the
    // start, which the walk did not mark when it began; there it ends.
    EXPECT_EQ(trace(), (std::vector<std::string>{"0:2,2>4,2", "0:4,2>4,4", "0:4,4>2,2"}));
    EXPECT_EQ(VisitedBitmap->pixel(1, 1), R) << "the end of the walk is marked red";
    EXPECT_EQ(VisitedBitmap->pixel(2, 2), K);
    EXPECT_EQ(VisitedBitmap->pixel(0, 0), W) << "row and column 0 never take part";
    EXPECT_EQ(TraceWidth, 4);
    EXPECT_EQ(TraceHeight, 4);
    EXPECT_EQ(TraceBackground, W);
}

TEST_F(TraceTest, ALonePixelDrawsNothingAndIsMarked) {
    source({{W, W, W}, {W, G, W}, {W, W, W}});
    EXPECT_TRUE(trace().empty());
    EXPECT_EQ(VisitedBitmap->pixel(1, 1), R);
}

TEST_F(TraceTest, AWalkReturnsToItsStartAndSegmentsTakeTheColourTheyLeadTo) {
    // A 2 x 2 block of like colours: down first, straight back up to the unmarked start, then
    // right and down.
    const Colour k2 = 0x101010;
    source({{W, W, W, W}, {W, K, k2, W}, {W, k2, K, W}, {W, W, W, W}});
    EXPECT_EQ(trace(), (std::vector<std::string>{"101010:2,2>2,4", "0:2,4>2,2", "101010:2,2>4,2",
                                                 "0:4,2>4,4"}));
    EXPECT_EQ(VisitedBitmap->pixel(2, 2), R);
}

TEST_F(TraceTest, TheSameTextTracesToTheSameSegmentsTwice) {
    source({{W, W, W, W, W}, {W, K, W, K, W}, {W, K, K, K, W}, {W, W, W, K, W}});
    const auto first = trace();
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(trace(), first);
}

TEST_F(TraceTest, AnEmptySourceDrawsNothing) {
    SourceBitmap->clear();
    EXPECT_TRUE(trace().empty());
    EXPECT_EQ(VisitedBitmap->width(), -1);
    EXPECT_EQ(TraceWidth, -1);
}

struct NeighbourCase {
    const char* name;
    int x, y;
    std::vector<std::pair<int, int>> like;  // like pixels around, others white
    int want_x, want_y;
};

TEST_F(TraceTest, NeighboursAreTriedInTheirFixedOrderWithinTheEdges) {
    const NeighbourCase cases[] = {
        {"up first", 2, 2, {{2, 1}, {2, 3}, {1, 2}}, 2, 1},
        {"down before left", 2, 2, {{2, 3}, {1, 2}}, 2, 3},
        {"left before right", 2, 2, {{3, 2}, {1, 2}}, 1, 2},
        {"straight before diagonal", 2, 2, {{1, 1}, {3, 2}}, 3, 2},
        {"up-left first diagonal", 2, 2, {{1, 1}, {1, 3}, {3, 3}, {3, 1}}, 1, 1},
        {"down-left", 2, 2, {{1, 3}, {3, 3}, {3, 1}}, 1, 3},
        {"down-right before up-right", 2, 2, {{3, 3}, {3, 1}}, 3, 3},
        {"up-right last", 2, 2, {{3, 1}}, 3, 1},
        {"row 1 never looks up", 2, 1, {{2, 0}}, -1, 0},
        {"column 1 never looks left", 1, 2, {{0, 2}}, -1, 0},
        {"last row never looks down", 2, 4, {{2, 5}}, -1, 0},
        {"last column never looks right", 4, 2, {{5, 2}}, -1, 0},
        {"last row and column can be entered", 3, 3, {{4, 4}}, 4, 4},
    };
    for (const NeighbourCase& c : cases) {
        std::vector<std::vector<Colour>> rows(5, std::vector<Colour>(5, W));
        rows[std::size_t(c.y)][std::size_t(c.x)] = K;
        for (auto [x, y] : c.like)
            if (x < 5 && y < 5) rows[std::size_t(y)][std::size_t(x)] = K;
        source(rows);
        TraceWidth = TraceHeight = 5;
        VisitedBitmap->createBlank(5, 5, 24, W);
        const PixelProbe next = NextTracePixel({c.x, c.y, K});
        EXPECT_EQ(next.x, c.want_x) << c.name;
        if (c.want_x != -1) {
            EXPECT_EQ(next.y, c.want_y) << c.name;
            EXPECT_EQ(next.colour, K) << c.name;
        }
    }
}

TEST_F(TraceTest, VisitedNeighboursAndWhiteAreNeverEntered) {
    source({{W, W, W, W}, {W, K, K, W}, {W, W, W, W}, {W, W, W, W}});
    TraceWidth = TraceHeight = 4;
    VisitedBitmap->createBlank(4, 4, 24, W);
    EXPECT_EQ(NextTracePixel({1, 1, K}).x, 2);
    VisitedBitmap->setPixel(2, 1, K);  // entered before
    EXPECT_EQ(NextTracePixel({1, 1, K}).x, -1);
    // A white pixel next to a white one: the visited mark equals its colour from the start.
    EXPECT_EQ(NextTracePixel({2, 2, W}).x, -1);
}

}  // namespace
}  // namespace marevisk
