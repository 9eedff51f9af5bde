// The draw button in the real window on Windows, from the click to the finished picture on
// screen, beside the same drawing on a headless surface in the same build: the cost of the
// window, above all of the refreshes of the drawing, most of them merged. Prints the medians of
// nine runs of each, at order 9, the longest drawing, and 13, the deepest whole order. And the
// picture of order 9 copied and saved, at 96 dpi and twice that.

#include "graphics/raster_surface.h"
#include "platform/win32/handles.h"
#include "platform/win32/png_files.h"
#include "ui/headless_form.h"
#include "ui/win32/form1_window.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>
#include <windows.h>

namespace {

constexpr int kRuns = 9;

double Milliseconds(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

// The two kinds of run take turns, so that whatever else the machine does weighs on both.
int main() {
    const auto com = vorrelin::win32::JoinComApartment(); // for WIC
    vorrelin::win32::Form1Window window(GetModuleHandleW(nullptr));
    vorrelin::win32::FormWindow& form = window.Window();
    ShowWindow(form.Handle(), SW_SHOWNORMAL);
    UpdateWindow(form.Handle());

    for (const char* order : {"9", "13"}) {
        vorrelin::RasterSurface surface(433, 433);
        vorrelin::HeadlessForm headless(surface, order);
        headless.form.Form_Load();
        SetWindowTextA(form.Control("Text1"), order);

        std::vector<double> alone;
        std::vector<double> clicked;
        for (int i = 0; i < kRuns; ++i) {
            alone.push_back(Milliseconds([&] { headless.form.Command1_Click(); }));
            clicked.push_back(Milliseconds([&] {
                SendMessageW(form.Control("Command1"), BM_CLICK, 0, 0);
                MSG message; // the last paint, once the handler has returned
                while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                    TranslateMessage(&message);
                    DispatchMessageW(&message);
                }
            }));
        }
        std::printf("order %-2s headless:          %8.3f ms (median of %d)\n", order, Median(alone),
                    kRuns);
        std::printf("order %-2s click to picture:  %8.3f ms (median of %d)\n", order,
                    Median(clicked), kRuns);
    }

    const std::filesystem::path target = std::filesystem::temp_directory_path() / "curve.png";
    for (const double ratio : {1.0, 2.0}) {
        vorrelin::RasterSurface surface(433, 433, ratio);
        vorrelin::DrawOrder(surface, "9");
        const vorrelin::ImageView picture = surface.Pixels().CompleteImage();
        vorrelin::win32::WicPngFiles files;
        std::vector<double> copied;
        std::vector<double> saved;
        for (int i = 0; i < kRuns; ++i) {
            copied.push_back(Milliseconds([&] { form.Copy(vorrelin::Image(picture)); }));
            saved.push_back(Milliseconds([&] { vorrelin::SavePicture(files, target, picture); }));
        }
        std::printf("copy at %gx:                %8.3f ms (median of %d)\n", ratio,
                    Median(copied), kRuns);
        std::printf("save at %gx:                %8.3f ms (median of %d)\n", ratio,
                    Median(saved), kRuns);
    }
    std::filesystem::remove(target);
    return 0;
}
