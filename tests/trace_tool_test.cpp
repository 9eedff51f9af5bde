#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

namespace {

struct TraceRun {
    std::string output;
    int status;
};

TraceRun Trace(const std::string& arguments) {
    const std::string command = std::string(VORRELIN_TRACE) + " " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    TraceRun run{{}, -1};
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        run.output.append(buffer.data(), n);
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(TraceTool, PrintsEveryOperationOfOrderOne) {
    const TraceRun run = Trace("1");
    EXPECT_EQ(run.status, 0);
    const std::string start = "DrawWidth 2\nBackColor 0\nCls\nScaleLeft -50\nScaleTop -50\n"
                              "ScaleWidth 2150\nScaleHeight 2150\nLine 333 0 666 333 16776960\n";
    EXPECT_EQ(run.output.substr(0, start.size()), start);
    EXPECT_NE(run.output.find("Line 0 333 333 0 16776975\nstate CurX=333 CurY=0 Level=1 Step=333 "
                              "SegmentCount=16\n"),
              std::string::npos);
}

TEST(TraceTool, SummarisesAndReportsTheError) {
    const TraceRun run = Trace("--summary 14");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "DrawWidth 2\nLine count 0\nRefresh count 0\n"
                          "state CurX=0 CurY=0 Level=14 Step=32766 SegmentCount=0\nerror 6\n");
    EXPECT_NE(Trace("--summary 5").output.find("Line count 4096\nRefresh count 2\n"),
              std::string::npos);
    EXPECT_NE(Trace("--summary -3").output.find("Level=-3 Step=333"), std::string::npos);
}

TEST(TraceTool, RejectsWrongUsage) {
    EXPECT_EQ(Trace("").status, 2);
    EXPECT_EQ(Trace("1 2").status, 2);
    EXPECT_EQ(Trace("--png").status, 2);
    EXPECT_EQ(Trace("--summary --png /nonexistent-dir/x.png 2").status, 1);
}

} // namespace
