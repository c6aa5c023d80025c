// Times importing 48-megapixel photos (read, decode, fit to 288 x 416) and measures the peak
// memory it adds, against djpeg -scale 1/8 on the same file in the same run.
//
//   import_timing [runs]        generate the photos in /tmp, time everything, print medians
//   import_timing --import F    (internal) import F once, print milliseconds
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/codecs/picture_decoder.h"
#include "platform/io/whole_file.h"

namespace {

using Clock = std::chrono::steady_clock;

// A photo-like 8000 x 6000 picture written row by row, never whole in memory.
void WritePhoto(const char* path, bool progressive) {
    FILE* f = std::fopen(path, "wb");
    jpeg_compress_struct c;
    jpeg_error_mgr e;
    c.err = jpeg_std_error(&e);
    jpeg_create_compress(&c);
    jpeg_stdio_dest(&c, f);
    c.image_width = 8000, c.image_height = 6000, c.input_components = 3, c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 85, TRUE);
    if (progressive) jpeg_simple_progression(&c);
    jpeg_start_compress(&c, TRUE);
    std::vector<JSAMPLE> row(8000 * 3);
    unsigned seed = 1;
    while (c.next_scanline < c.image_height) {
        const unsigned y = c.next_scanline;
        for (unsigned x = 0; x < 8000; ++x) {
            seed = seed * 1103515245u + 12345u;
            const int noise = int((seed >> 16) & 15);
            row[3 * x] = JSAMPLE((x / 31 + y / 17 + noise) & 255);
            row[3 * x + 1] = JSAMPLE((x * y / 4000 + noise) & 255);
            row[3 * x + 2] = JSAMPLE((200 - y / 40 + noise) & 255);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&c, rows, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::fclose(f);
}

int ImportOnce(const char* path) {
    const auto start = Clock::now();
    std::string reason;
    const std::string bytes = marevisk::ReadWholeFile(path, &reason);
    const marevisk::FittedPicture p = marevisk::DecodeFitted(bytes, 288, 416, 0xfff0f0f0u);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (!p.ok()) return std::fprintf(stderr, "refused: %s\n", p.reason.c_str()), 1;
    std::printf("%.3f\n", ms);
    return 0;
}

struct Run {
    double ms = 0;
    long peak_kib = 0;
};

// Runs a command as a child process; wall time and the child's peak resident memory.
Run Child(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (freopen("/dev/null", "w", stdout) == nullptr) _exit(127);
        execvp(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Run r;
    r.ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    r.peak_kib = usage.ru_maxrss;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) r.ms = -1;
    return r;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--import") return ImportOnce(argv[2]);
    if (argc == 2 && std::string(argv[1]) == "--nothing") return 0;
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const char* baseline = "/tmp/marevisk-48mp-baseline.jpg";
    const char* progressive = "/tmp/marevisk-48mp-progressive.jpg";
    std::printf("writing test photos...\n");
    WritePhoto(baseline, false);
    WritePhoto(progressive, true);
    const bool have_djpeg = std::system("command -v djpeg >/dev/null 2>&1") == 0;
    const long idle_kib = Child({argv[0], "--nothing"}).peak_kib;

    std::vector<double> ours, djpeg, prog;
    long ours_peak = 0, prog_peak = 0;
    for (int i = 0; i < runs; ++i) {
        // Interleaved, so both see the same machine load.
        if (have_djpeg)
            djpeg.push_back(
                Child({"djpeg", "-scale", "1/8", "-outfile", "/dev/null", baseline}).ms);
        const Run a = Child({argv[0], "--import", baseline});
        ours.push_back(a.ms), ours_peak = std::max(ours_peak, a.peak_kib);
        const Run b = Child({argv[0], "--import", progressive});
        prog.push_back(b.ms), prog_peak = std::max(prog_peak, b.peak_kib);
    }
    std::printf(
        "48 MP baseline JPEG import: median %.1f ms (process), peak +%.1f MiB over an idle run\n",
        Median(ours), (ours_peak - idle_kib) / 1024.0);
    if (have_djpeg)
        std::printf("djpeg -scale 1/8 on the same file: median %.1f ms; ratio %.2f\n",
                    Median(djpeg), Median(ours) / Median(djpeg));
    else
        std::printf("djpeg not found (Debian: libjpeg-turbo-progs); no ratio\n");
    std::printf("48 MP progressive JPEG import: median %.1f ms, peak +%.1f MiB\n", Median(prog),
                (prog_peak - idle_kib) / 1024.0);
    std::remove(baseline);
    std::remove(progressive);
    return 0;
}
