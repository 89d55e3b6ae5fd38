// The built ORVIK.exe, loaded once for all the checks on it. Its path comes
// from ORVIK_EXE, which the build sets to the Windows build's output.
#ifndef ORVIK_TESTS_EXE_FIXTURE_H
#define ORVIK_TESTS_EXE_FIXTURE_H

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "tests/executable/pe_image.h"

class ExeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const char* path = std::getenv("ORVIK_EXE");
        image_.reset(new PeImage(path ? path : ""));
    }
    void SetUp() override
    {
        ASSERT_TRUE(image_->error().empty())
            << image_->error() << " (set ORVIK_EXE to the Windows build's ORVIK.exe; tools/build.sh makes it)";
    }
    const PeImage& image() const { return *image_; }
    const Bytes* Resource(std::uint32_t type, std::uint32_t name) const { return image_->Find(type, name); }

private:
    static inline std::unique_ptr<PeImage> image_;
};

#endif  // ORVIK_TESTS_EXE_FIXTURE_H
