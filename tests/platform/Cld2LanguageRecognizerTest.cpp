#include "platform/speech/Cld2LanguageRecognizer.hpp"

#include <gtest/gtest.h>

namespace velora {
namespace {

struct Paragraph {
    const char* name;
    QString text;
    std::optional<QString> language;
};

class Cld2Test : public ::testing::TestWithParam<Paragraph> {};

TEST_P(Cld2Test, RecognisesParagraphsAndAnswersNoneWhenUnsure) {
    EXPECT_EQ(Cld2LanguageRecognizer().dominantLanguage(GetParam().text), GetParam().language);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Cld2Test,
    ::testing::Values(
        Paragraph{"English",
                  "The library opened early on Saturday, and by noon every table near the windows "
                  "was taken by students reading for their examinations.",
                  "en"},
        Paragraph{"Turkish",
                  "Cumartesi sabahı kütüphane erkenden açıldı ve öğlene kadar pencerelerin "
                  "yanındaki bütün masalar sınavlarına çalışan öğrencilerle doldu.",
                  "tr"},
        Paragraph{"German",
                  "Die Bibliothek öffnete am Samstag früh, und bis zum Mittag waren alle Tische "
                  "an den Fenstern von Studenten besetzt, die für ihre Prüfungen lernten.",
                  "de"},
        Paragraph{"Japanese",
                  "土曜日の朝、図書館は早くに開き、昼までには窓際のすべての机が試験勉強をする学生"
                  "でいっぱいになった。",
                  "ja"},
        Paragraph{"Blank", " \n\t ", std::nullopt}, Paragraph{"ThreeLetters", "abc", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace velora
