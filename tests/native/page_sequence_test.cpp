// The page sequence's routing by the pages' results.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/page_sequence.h"

namespace {

// Plays the pages' results from a script and records the pages shown:
// 'S' for Select OS, 'D' for Detail Setting.
class ScriptedPages {
public:
    explicit ScriptedPages(std::vector<int> results) : m_results(std::move(results)) {}

    int RunSelectOs() { return Next('S'); }
    int RunDetailSetting() { return Next('D'); }

    const std::string& shown() const { return m_shown; }
    bool scriptUsedUp() const { return m_next == m_results.size(); }

private:
    int Next(char page)
    {
        m_shown += page;
        if (m_next == m_results.size()) {
            ADD_FAILURE() << "a page was shown after the script ended: " << m_shown;
            return kPageResultFailed;
        }
        return m_results[m_next++];
    }

    std::vector<int> m_results;
    std::size_t m_next = 0;
    std::string m_shown;
};

TEST(PageSequence, RoutesByResults)
{
    const int kOk = kPageResultOk;
    const int kCancel = kPageResultCancel;
    const int kFailed = kPageResultFailed;
    struct Case {
        const char* what;
        std::vector<int> results;
        const char* shown;
    };
    const Case cases[] = {
        {"Cancel on Select OS quits", {kCancel}, "S"},
        {"Select OS not created", {kFailed}, "S"},
        {"Next, then OK or any cancel", {kOk, kOk}, "SD"},
        {"Detail Setting not created", {kOk, kFailed}, "SD"},
        {"Back, then quit", {kOk, kCancel, kCancel}, "SDS"},
        {"Back, Next, finish", {kOk, kCancel, kOk, kOk}, "SDSD"},
        {"Back, then Select OS not created", {kOk, kCancel, kFailed}, "SDS"},
        // DialogBox's 0 (an invalid owner) and any other value end the run.
        {"unexpected result on Select OS", {0}, "S"},
        {"unexpected result on Detail Setting", {kOk, 3}, "SD"},
    };
    for (const Case& c : cases) {
        ScriptedPages pages(c.results);
        RunPageSequence(pages);
        EXPECT_EQ(c.shown, pages.shown()) << c.what;
        EXPECT_TRUE(pages.scriptUsedUp()) << c.what;
    }
}

TEST(PageSequence, NextAndBackAlternateWithoutLimit)
{
    std::vector<int> results;
    std::string expected;
    for (int i = 0; i < 100; ++i) {
        results.push_back(kPageResultOk);
        results.push_back(kPageResultCancel);
        expected += "SD";
    }
    results.push_back(kPageResultOk);
    results.push_back(kPageResultOk);
    expected += "SD";

    ScriptedPages pages(results);
    RunPageSequence(pages);
    EXPECT_EQ(expected, pages.shown());
    EXPECT_TRUE(pages.scriptUsedUp());
}

}  // namespace
