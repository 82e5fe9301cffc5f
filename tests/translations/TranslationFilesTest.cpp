#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>

namespace {

struct Message {
    QString context;
    QString source;
    // One text, or one for each plural form.
    QStringList translations;
    QString type;
    bool numerus = false;
};

std::vector<Message> readMessages(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.push_back(
                {context,
                 {},
                 {},
                 {},
                 xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes")});
        } else if (xml.name() == QLatin1String("source")) {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            if (!messages.back().numerus) {
                messages.back().translations.push_back(xml.readElementText());
            }
        } else if (xml.name() == QLatin1String("numerusform")) {
            messages.back().translations.push_back(xml.readElementText());
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

std::map<QString, int> placeables(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%L?[1-9]|%n"));
    std::map<QString, int> found;
    for (const auto& match : marker.globalMatch(text)) {
        ++found[match.captured()];
    }
    return found;
}

QString tsFile(const QString& language) {
    return QStringLiteral(VELORA_SOURCE_DIR "/translations/veloramac_%1.ts").arg(language);
}

struct Language {
    const char* code;
    const char* direction;
};

class TranslationFileTest : public ::testing::TestWithParam<Language> {};

TEST_P(TranslationFileTest, EveryTextIsTranslatedWithItsPlaceablesAndTheLanguagesDirection) {
    const std::vector<Message> messages =
        readMessages(tsFile(QString::fromLatin1(GetParam().code)));
    ASSERT_GT(messages.size(), 200U);
    for (const Message& message : messages) {
        SCOPED_TRACE(message.context.toStdString() + ": " + message.source.toStdString());
        EXPECT_EQ(message.type, QString());
        ASSERT_FALSE(message.translations.isEmpty());
        for (const QString& translation : message.translations) {
            EXPECT_FALSE(translation.trimmed().isEmpty());
            EXPECT_EQ(placeables(translation), placeables(message.source));
        }
        if (message.source == QLatin1String("QT_LAYOUT_DIRECTION")) {
            EXPECT_EQ(message.translations.front(), QLatin1String(GetParam().direction));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationFileTest,
                         ::testing::Values(Language{"ar", "RTL"}, Language{"de", "LTR"},
                                           Language{"es", "LTR"}, Language{"fr", "LTR"},
                                           Language{"he", "RTL"}, Language{"ja", "LTR"},
                                           Language{"pt_BR", "LTR"}, Language{"ru", "LTR"},
                                           Language{"zh_CN", "LTR"}),
                         [](const auto& info) { return std::string(info.param.code); });

// Gathering the texts from the sources again finds nothing new, changed or gone: the files
// hold every text the program shows today.
TEST(TranslationSources, GatheringTheTextsAgainChangesNothing) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString copy = folder.filePath(QStringLiteral("veloramac_de.ts"));
    ASSERT_TRUE(QFile::copy(tsFile(QStringLiteral("de")), copy));
    QProcess lupdate;
    lupdate.start(QStringLiteral(VELORA_SOURCE_DIR "/scripts/update-translations"), {copy});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    std::vector<std::string> changed;
    for (const Message& message : readMessages(copy)) {
        if (!message.type.isEmpty()) {
            changed.push_back(message.context.toStdString() + ": " + message.source.toStdString());
        }
    }
    EXPECT_EQ(changed, std::vector<std::string>());
    EXPECT_EQ(readMessages(copy).size(), readMessages(tsFile(QStringLiteral("de"))).size());
}

} // namespace
