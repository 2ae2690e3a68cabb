#include "cli/JsonWriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <sstream>

namespace kavro::cli {
namespace {

QJsonDocument parse(const std::string& text) {
    QJsonParseError error;
    QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError)
        << error.errorString().toStdString() << " in:\n" << text;
    return doc;
}

TEST(JsonWriterTest, QuotesAnyTextIntoAValidString) {
    EXPECT_EQ(jsonQuoted("a\"b\\c"), R"("a\"b\\c")");
    EXPECT_EQ(jsonQuoted(std::string("\x01\n\t\x1f", 4)), R"("\u0001\n\t\u001f")");
    EXPECT_EQ(jsonQuoted("قناة"), "\"قناة\"");
    // Broken UTF-8 (a name field copied raw, a cut sequence, an overlong form, a surrogate)
    // must not make the document invalid.
    for (const std::string& bad : {std::string("\xE9t\xE9"), std::string("ab\xD8"),
                                   std::string("\xC0\xAF"), std::string("\xED\xA0\x80"),
                                   std::string("\xF5\x80\x80\x80")}) {
        const std::string doc = "[" + jsonQuoted(bad) + "]";
        const QJsonArray parsed = parse(doc).array();
        ASSERT_EQ(parsed.size(), 1);
        EXPECT_TRUE(parsed[0].toString().contains(QChar(0xFFFD))) << doc;
    }
    const std::string nul("x\0y", 3);
    EXPECT_EQ(parse("[" + jsonQuoted(nul) + "]").array()[0].toString(), QString::fromUtf8(nul.data(), 3));
}

TEST(JsonWriterTest, NestsObjectsAndArraysWithCommasInTheRightPlaces) {
    std::ostringstream out;
    {
        JsonWriter json(out);
        json.beginObject();
        json.field("name", "Nilesat");
        json.field("west", true);
        json.field("position", 7.0, 1);
        json.field("count", std::uint16_t{65535});
        json.key("empty");
        json.beginObject();
        json.endObject();
        json.key("none");
        json.beginArray();
        json.endArray();
        json.key("slots");
        json.beginArray(true);
        json.value(1);
        json.value(2);
        json.endArray();
        json.key("list");
        json.beginArray();
        json.beginObject();
        json.field("n", -1);
        json.endObject();
        json.null();
        json.endArray();
        json.endObject();
    }
    EXPECT_NE(out.str().find("\"position\": 7.0,"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("\"slots\": [1, 2]"), std::string::npos) << out.str();
    EXPECT_EQ(out.str().back(), '\n');

    const QJsonObject root = parse(out.str()).object();
    EXPECT_EQ(root["name"].toString(), "Nilesat");
    EXPECT_TRUE(root["west"].toBool());
    EXPECT_EQ(root["count"].toInt(), 65535);
    EXPECT_TRUE(root["empty"].toObject().isEmpty());
    EXPECT_TRUE(root["none"].toArray().isEmpty());
    EXPECT_EQ(root["slots"].toArray(), (QJsonArray{1, 2}));
    EXPECT_EQ(root["list"].toArray()[0].toObject()["n"].toInt(), -1);
    EXPECT_TRUE(root["list"].toArray()[1].isNull());
}

}  // namespace
}  // namespace kavro::cli
