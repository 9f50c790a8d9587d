#include "platform/shell/DdeCommand.h"

#include <gtest/gtest.h>

namespace {

TEST(DdeCommandTest, OpenCommandGivesThePathBetweenTheQuotes) {
    EXPECT_EQ(ParseDdeOpenCommand(u"[open(\"/home/me/My Patches/set 1.z4l\")]"),
              QStringLiteral("/home/me/My Patches/set 1.z4l"));
    // Only the text up to the next quote counts; what follows it is not looked at.
    EXPECT_EQ(ParseDdeOpenCommand(u"[open(\"a.z4l\") trailing"), QStringLiteral("a.z4l"));
    EXPECT_EQ(ParseDdeOpenCommand(u"[open(\"日本語.z4l\")]"), QStringLiteral("日本語.z4l"));
}

TEST(DdeCommandTest, OtherCommandsAndMalformedTextOpenNothing) {
    for (const char16_t* text : {u"[print(\"/tmp/a.z4l\")]", u"[OPEN(\"/tmp/a.z4l\")]", u" [open(\"/tmp/a.z4l\")]",
                                 u"[open(\"", u"[open(\"/tmp/a.z4l", u"[open(\"\")]", u"[open(/tmp/a.z4l)]", u""})
        EXPECT_FALSE(ParseDdeOpenCommand(text).has_value()) << QString::fromUtf16(text).toStdString();
}

TEST(DdeCommandTest, MadeCommandParsesBackToItsPath) {
    const QString path = QStringLiteral("/tmp/with blank/(x).z4l");
    EXPECT_EQ(MakeDdeOpenCommand(path), QStringLiteral("[open(\"/tmp/with blank/(x).z4l\")]"));
    EXPECT_EQ(ParseDdeOpenCommand(MakeDdeOpenCommand(path)), path);
}

} // namespace
