#include "ui/EnumTitles.hpp"

#include <QCoreApplication>

namespace velora {

QString displayTitle(ReadingMode mode) {
    switch (mode) {
    case ReadingMode::focus:
        return QCoreApplication::translate("ReadingMode", "Focus");
    case ReadingMode::flow:
        return QCoreApplication::translate("ReadingMode", "Flow");
    case ReadingMode::spotlight:
        break;
    }
    return QCoreApplication::translate("ReadingMode", "Spotlight");
}

QString displayTitle(ReadingTheme theme) {
    switch (theme) {
    case ReadingTheme::system:
        return QCoreApplication::translate("ReadingTheme", "System (blur)");
    case ReadingTheme::dark:
        return QCoreApplication::translate("ReadingTheme", "Dark");
    case ReadingTheme::light:
        return QCoreApplication::translate("ReadingTheme", "Light");
    case ReadingTheme::sepia:
        return QCoreApplication::translate("ReadingTheme", "Sepia");
    case ReadingTheme::night:
        return QCoreApplication::translate("ReadingTheme", "Night");
    case ReadingTheme::paper:
        return QCoreApplication::translate("ReadingTheme", "Paper");
    case ReadingTheme::highContrast:
        break;
    }
    return QCoreApplication::translate("ReadingTheme", "High Contrast");
}

QString displayTitle(WordTransition transition) {
    switch (transition) {
    case WordTransition::hard:
        return QCoreApplication::translate("WordTransition", "Hard");
    case WordTransition::soft:
        return QCoreApplication::translate("WordTransition", "Soft");
    case WordTransition::slow:
        break;
    }
    return QCoreApplication::translate("WordTransition", "Slow");
}

} // namespace velora
