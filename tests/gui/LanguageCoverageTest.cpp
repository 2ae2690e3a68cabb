#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <filesystem>
#include <set>
#include <span>

#include "arabic/Windows1256.h"
#include "database/ReceiverSettings.h"
#include "editing/ChannelForm.h"
#include "editing/GroupForm.h"
#include "editing/SatelliteForm.h"
#include "editing/TransponderForm.h"
#include "gui/app/CoreTexts.h"
#include "gui/app/DisplayText.h"
#include "messages/StringTable.h"

namespace kavro::gui {
namespace {

struct Message {
    QString context;
    QString source;
    QStringList translations;  // one, or one per plural form
    bool finished = true;
};

std::vector<Message> readTs(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    bool numerus = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            messages.push_back({context, {}, {}, true});
        } else if (xml.name() == u"source") {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            messages.back().finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            if (!numerus) messages.back().translations << xml.readElementText();
        } else if (xml.name() == u"numerusform") {
            messages.back().translations << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

QString tsPath(const char* locale) {
    const auto here = std::filesystem::path(__FILE__).parent_path();
    return QString::fromStdString((here / "../../translations").string()) +
           QStringLiteral("/kavro_%1.ts").arg(QLatin1String(locale));
}

// "%1 %2 %s" in sorted order, so a dropped or mistyped placeholder shows.
std::string placeholders(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%(\\d|s|d|n)"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();) found << it.next().captured();
    found.sort();
    return found.join(u' ').toStdString();
}

// The core's English texts as the window asks for them: every numbered string and the items
// of the dialogs' lists.
std::set<QString> coreTextsInUse() {
    std::set<QString> texts;
    for (int id = 0; id <= 0xFFFF; ++id)
        if (!kavro::stringText(id).empty())
            texts.insert(QString::fromStdString(windows1256ToUtf8(kavro::stringText(id))));
    namespace S = settings_lists;
    const std::span<const char* const> lists[] = {ChannelForm::kTypes,
                                                  SatelliteForm::kLnbTypes,
                                                  SatelliteForm::kDiseqcPorts,
                                                  SatelliteForm::kPositioners,
                                                  SatelliteForm::kEastWest,
                                                  TransponderForm::kPolarisations,
                                                  TransponderForm::kFecs,
                                                  S::kVideoOutput,
                                                  S::kScreenMode,
                                                  S::kConversion,
                                                  S::kTvType,
                                                  S::kMenuLanguage,
                                                  S::kLanguage,
                                                  S::kSubtitle,
                                                  S::kShowInfo,
                                                  S::kBackground,
                                                  S::kTransparency,
                                                  S::kPalStandard};
    for (auto list : lists)
        for (const char* item : list) texts.insert(QString::fromStdString(windows1256ToUtf8(item)));
    texts.insert(QString::fromStdString(windows1256ToUtf8(GroupForm::kColumnTitles)));
    return texts;
}

TEST(LanguageCoverageTest, CoreTextListAgreesWithTheStringTableAndTheLists) {
    std::set<QString> listed;
    for (const char* text : coreTextSources()) listed.insert(QString::fromUtf8(text));
    // A text missing here was added to the core without running translations/update.
    for (const QString& text : coreTextsInUse())
        EXPECT_TRUE(listed.count(text)) << text.toStdString();
    for (const char* pattern : coreTitlePatterns()) {
        EXPECT_TRUE(listed.count(QString::fromUtf8(pattern))) << pattern;
        EXPECT_EQ(QString::fromUtf8(pattern).count(QLatin1String("%02d")), 1) << pattern;
    }
}

TEST(LanguageCoverageTest, EveryTextHasAFinishedTranslationInBothLanguages) {
    for (const char* locale : {"ar", "fr"}) {
        SCOPED_TRACE(locale);
        const std::vector<Message> messages = readTs(tsPath(locale));
        std::set<QString> core;
        for (const Message& m : messages) {
            const std::string where = (m.context + u'|' + m.source).toStdString();
            EXPECT_TRUE(m.finished) << where;
            ASSERT_FALSE(m.translations.isEmpty()) << where;
            for (const QString& t : m.translations) {
                EXPECT_FALSE(t.trimmed().isEmpty()) << where;
                // Plural forms may drop the number ("one channel"), nothing else may.
                if (m.translations.size() == 1) {
                    EXPECT_EQ(placeholders(t), placeholders(m.source)) << where;
                }
            }
            if (m.context != QLatin1String(kCoreTextContext)) continue;
            core.insert(m.source);
            const QString& t = m.translations.first();
            // The window splits these at line ends, and the core fills them in its own coding.
            EXPECT_EQ(t.count(u'\n'), m.source.count(u'\n')) << where;
            EXPECT_EQ(fromWindows1256(toWindows1256(t)), t) << where;
        }
        for (const char* text : coreTextSources())
            EXPECT_TRUE(core.count(QString::fromUtf8(text))) << text;
    }
}

}  // namespace
}  // namespace kavro::gui
