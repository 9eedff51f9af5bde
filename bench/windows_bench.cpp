// The draw button in the real window at order 13 on Windows, from the click to the finished
// picture on screen, beside the same drawing on a headless surface in the same build: the
// cost of the window, above all of the 174,658 refreshes of the drawing, most of them merged.
// Prints the medians of nine runs of each.

#include "graphics/raster_surface.h"
#include "ui/headless_form.h"
#include "ui/win32/form1_window.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
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
    vorrelin::RasterSurface surface(433, 433);
    vorrelin::HeadlessForm headless(surface, "13");
    headless.form.Form_Load();

    vorrelin::win32::Form1Window window(GetModuleHandleW(nullptr));
    vorrelin::win32::FormWindow& form = window.Window();
    ShowWindow(form.Handle(), SW_SHOWNORMAL);
    UpdateWindow(form.Handle());
    SetWindowTextW(form.Control("Text1"), L"13");

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
    const double a = Median(alone);
    const double c = Median(clicked);
    std::printf("order 13, headless:          %8.1f ms (median of %d)\n", a, kRuns);
    std::printf("order 13, click to picture:  %8.1f ms (median of %d, %+.1f%%)\n", c, kRuns,
                100.0 * (c - a) / a);
    return 0;
}
