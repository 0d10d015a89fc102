#include "platform/SystemColor.h"

QColor systemColor(int index, const QPalette &palette)
{
    switch (index) {
    case 5: // window background
        return palette.color(QPalette::Active, QPalette::Base);
    case 8: // window text
        return palette.color(QPalette::Active, QPalette::Text);
    case 9: // title-bar text
        return palette.color(QPalette::Active, QPalette::HighlightedText);
    case 15: // button face
        return palette.color(QPalette::Active, QPalette::Button);
    case 16: // button shadow
        return palette.color(QPalette::Active, QPalette::Mid);
    case 18: // button text
        return palette.color(QPalette::Active, QPalette::ButtonText);
    default:
        return palette.color(QPalette::Active, QPalette::Window);
    }
}
