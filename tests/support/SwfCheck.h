#pragma once
// The independent SWF checker (a strict third-party parser, and the Ruffle
// player in headless Chromium), set up by scripts/setup-swfcheck.sh and found
// through the GLIMMORA_SWFCHECK variable.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace glimmora::test {

// The checker's path, or nothing when it is not set up. Under CI it must be.
std::optional<std::filesystem::path> SwfCheckTool();

struct SwfCheckResult {
    bool ok = false;       // parsed with no errors
    int warnings = -1;     // number of warnings
    std::string report;    // the JSON report, or the error output
};

// `swfcheck parse FILE --strict`.
SwfCheckResult SwfCheckParse(const std::filesystem::path& swf);

// `swfcheck render FILE --frame N --out PNG` (frame counted from 1 by the tool).
bool SwfCheckRender(const std::filesystem::path& swf, int frameFromOne, const std::filesystem::path& png,
                    std::string* errors = nullptr);

}  // namespace glimmora::test

// Skips the test when the checker is missing on a developer machine, and fails
// it under CI, where the test script always sets the checker up.
#define GLIMMORA_REQUIRE_SWFCHECK()                                                        \
    do {                                                                                  \
        if (!::glimmora::test::SwfCheckTool()) {                                          \
            if (std::getenv("CI")) FAIL() << "GLIMMORA_SWFCHECK is not set up under CI";  \
            GTEST_SKIP() << "independent checker not set up (scripts/setup-swfcheck.sh)"; \
        }                                                                                 \
    } while (0)
