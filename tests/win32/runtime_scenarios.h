// Ways of ending the program, each played out in a child process (the test
// program started again with --runtime-scenario=<name> --report=<file>), so a
// test can watch the exit code, the message shown and whether the clean-up ran.
#pragma once

#include <string>
#include <vector>

namespace kistvar::test::win32 {

struct ScenarioOutcome {
    unsigned long exit_code = 0;
    // One line per event: "cleanup", or "box|<caption>|<style>|<text>" with
    // CR and LF in the text written as \r and \n.
    std::vector<std::string> events;
};

ScenarioOutcome run_scenario(const std::string& name);

}  // namespace kistvar::test::win32
