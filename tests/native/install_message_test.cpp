// The registry error message: its GBK bytes and how the box is asked for.
#include <iconv.h>

#include <string>

#include "install/registry_message.h"
#include "tests/native/sim_fixture.h"

namespace {

// The C library's converter gives the expected bytes independently of the
// literal in the program.
std::string ToGbk(const std::string& utf8)
{
    iconv_t cd = iconv_open("GBK", "UTF-8");
    EXPECT_NE(reinterpret_cast<iconv_t>(-1), cd) << "no GBK converter";
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::string();
    std::string in = utf8;
    std::string out(in.size() * 2, '\0');
    char* inPtr = &in[0];
    char* outPtr = &out[0];
    size_t inLeft = in.size();
    size_t outLeft = out.size();
    const size_t converted = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    EXPECT_EQ(0u, inLeft);
    EXPECT_NE(static_cast<size_t>(-1), converted);
    out.resize(out.size() - outLeft);
    return out;
}

TEST(RegistryMessage, HoldsTheChineseTextInGbk)
{
    const std::string expected = ToGbk("错误：无法设置有关的注册表信息");
    EXPECT_EQ(30u, expected.size());
    EXPECT_EQ(expected, std::string(kRegistryErrorMessage));
}

TEST_F(SimTest, ShownWithAnOkButtonAndNoHelpContext)
{
    ShowRegistryError();
    ASSERT_EQ(1u, machine().messageBoxes.size());
    EXPECT_EQ(kRegistryErrorMessage, machine().messageBoxes[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_OK), machine().messageBoxes[0].type);
    EXPECT_EQ(0u, machine().messageBoxes[0].helpId);
}

}  // namespace
