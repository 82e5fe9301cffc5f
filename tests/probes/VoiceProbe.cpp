// Prints, for each text given, the voice the desktop's speech service reads it with and the
// language it detected, as "voice|language" ("-" for none). The locale comes from the
// environment, as it does for the program.
#include "app/SpeechService.hpp"
#include "fakes/InMemoryPreferencesStore.hpp"
#include "fakes/ScriptedSpeechSynthesizer.hpp"
#include "platform/speech/Cld2LanguageRecognizer.hpp"
#include "platform/speech/EspeakVoiceCatalog.hpp"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    using namespace velora;
    const QCoreApplication application(argc, argv);
    fakes::InMemoryPreferencesStore preferences;
    fakes::ScriptedSpeechSynthesizer::Log log;
    SpeechService speech(std::make_unique<fakes::ScriptedSpeechSynthesizer>(log),
                         std::make_unique<EspeakVoiceCatalog>(),
                         std::make_unique<Cld2LanguageRecognizer>(), preferences);
    QTextStream out(stdout);
    for (const QString& text : QCoreApplication::arguments().mid(1)) {
        speech.speak({Word{0, text.toStdString()}}, 0, 300);
        out << log.spoken.back().second.voiceIdentifier.value_or("-") << '|'
            << speech.detectedLanguage().value_or("-") << '\n';
    }
    return 0;
}
