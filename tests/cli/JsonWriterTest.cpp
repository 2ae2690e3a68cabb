#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>

#include "cli/JsonWriter.h"

namespace kavro::cli {
namespace {

// Names reach the JSON as they were stored; no byte sequence may make the document invalid.
TEST(JsonWriterTest, QuotesAnyBytesIntoAValidString) {
    EXPECT_EQ(jsonQuoted("a\"b\\c"), R"("a\"b\\c")");
    EXPECT_EQ(jsonQuoted(std::string("\x01\n\t\x1f", 4)), R"("\u0001\n\t\u001f")");
    EXPECT_EQ(jsonQuoted("قناة"), "\"قناة\"");
    const auto parse = [](const std::string& text) {
        QJsonParseError error;
        const QJsonArray parsed =
            QJsonDocument::fromJson(QByteArray::fromStdString(text), &error).array();
        EXPECT_EQ(error.error, QJsonParseError::NoError) << text;
        return parsed.isEmpty() ? QString() : parsed[0].toString();
    };
    // Broken UTF-8: a field copied raw, a cut sequence, an overlong form, a surrogate.
    for (const std::string& bad :
         {std::string("\xE9t\xE9"), std::string("ab\xD8"), std::string("\xC0\xAF"),
          std::string("\xED\xA0\x80"), std::string("\xF5\x80\x80\x80")})
        EXPECT_TRUE(parse("[" + jsonQuoted(bad) + "]").contains(QChar(0xFFFD))) << bad;
    EXPECT_EQ(parse("[" + jsonQuoted(std::string("x\0y", 3)) + "]"), QString::fromUtf8("x\0y", 3));
}

}  // namespace
}  // namespace kavro::cli
