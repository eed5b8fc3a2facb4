// Caption and text of a failure report.
#include "process/error_text.h"

#include <gtest/gtest.h>

namespace tessel {
namespace {

TEST(ErrorText, CaptionCarriesOnlyANonZeroLastError) {
    EXPECT_EQ(ComposeErrorCaption(0), "てっせるリスト");
    EXPECT_EQ(ComposeErrorCaption(5), "てっせるリスト [ErrerID:5]");
    // Codes above 0x7FFFFFFF print as the signed number.
    EXPECT_EQ(ComposeErrorCaption(0x80070005u), "てっせるリスト [ErrerID:-2147024891]");
}

TEST(ErrorText, DetailFollowsAnEmptyLine) {
    EXPECT_EQ(ComposeErrorText(kErrorCreateWindow, "処理内容：メインウィンドウ作成"),
              "ウィンドウを作成することができません。\n\n処理内容：メインウィンドウ作成");
    // No detail, no trailing empty line.
    EXPECT_EQ(ComposeErrorText(kErrorCreateList, ""), "リストを作成することができません。");
}

TEST(ErrorText, EveryIdHasItsMessageAndIcon) {
    struct Case {
        int id;
        const char* message;
    };
    const Case cases[] = {
        {201, "ウィンドウを作成することができません。"},
        {202, "メモリを確保できません。"},
        {203, "リストを作成することができません。"},
        {301, "ファイルが存在しません。"},
        {302, "ファイル読み込みに失敗しました。"},
        {303, "ファイル保存に失敗しました。"},
        {304, "アクセスが拒否されました。"},
        {501, "クリップボードにテキストがありません。"},
        {502, "クリップボード取得に失敗しました。"},
        {503, "クリップボードの文字列をコピーできません。"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ErrorMessage(c.id), c.message) << c.id;
        EXPECT_EQ(ErrorIconOf(c.id), ErrorIcon::Exclamation) << c.id;
    }
    EXPECT_EQ(ErrorMessage(901), "システムエラーが発生しました。プログラムが不正です。");
    EXPECT_EQ(ErrorIconOf(901), ErrorIcon::Stop);
}

TEST(ErrorText, UnknownIdIsReportedAsAnInternalFault) {
    EXPECT_EQ(ErrorMessage(0), ErrorMessage(kErrorInternal));
    EXPECT_EQ(ErrorIconOf(204), ErrorIcon::Stop);
}

TEST(ErrorText, TextFitsItsBufferWithoutSplittingACharacter) {
    std::string detail;
    for (int i = 0; i < 600; ++i) {
        detail += "あ";  // two bytes each
    }
    std::string message(ErrorMessage(kErrorCreateList));
    // Shift the detail by one byte so that a cut at 1023 bytes would fall
    // inside a character.
    std::string text = ComposeErrorText(kErrorCreateList, "x" + detail);
    EXPECT_LE(text.size(), kErrorBufferBytes - 1);
    EXPECT_GE(text.size(), kErrorBufferBytes - 2);
    std::size_t detailBytes = text.size() - message.size() - 3;  // "\n\n" and "x"
    EXPECT_EQ(detailBytes % 2, 0u) << "a two-byte character was cut";
    EXPECT_EQ(text.compare(0, message.size(), message), 0);
}

}  // namespace
}  // namespace tessel
