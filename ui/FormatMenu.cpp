#include "ui/FormatMenu.h"

#include "identity/AppIdentity.h"
#include "messages/FailureMessage.h"
#include "platform/MessageBoxService.h"
#include "platform/RunModal.h"
#include "sign/PlateGeometry.h"
#include "sign/SignDocument.h"
#include "sign/SignPresets.h"
#include "ui/LedSettingsDialog.h"
#include "ui/MenuItems.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QStandardPaths>
#include <QTimer>

FormatMenu::FormatMenu(QMenuBar *menuBar, SignDocument &document, MessageBoxService &messages,
                       QWidget *window)
    : QObject(window)
    , m_document(document)
    , m_messages(messages)
    , m_window(window)
{
    QMenu *format = namedMenu(menuBar, "syosiki", QStringLiteral("書式(&O)"));
    m_justify = menuItem(format, "kintou", QStringLiteral("均等割り付け(&J)"));
    m_justify->setCheckable(true);
    format->setToolTipsVisible(true);
    // The tick follows the frame, also where the document takes no step.
    connect(m_justify, &QAction::triggered, this, [this](bool on) {
        m_document.editJustify(on);
        showJustify(m_document.currentFrame());
    });
    m_typePresets = namedMenu(format, "syubetu", QStringLiteral("種別プリセット(&T)"));
    m_lineColours = namedMenu(format, "rosensyoku", QStringLiteral("路線色(&L)"));
    fillPresetMenus();

    // The look is the whole roll's; a menu of its own would take Alt+V from the About button.
    format->addSeparator();
    m_plateLook = menuItem(format, "maku", QStringLiteral("幕として表示(&M)"));
    m_ledLook = menuItem(format, "led", QStringLiteral("LED として表示(&D)"));
    auto *looks = new QActionGroup(format);
    for (QAction *look : {m_plateLook, m_ledLook}) {
        look->setCheckable(true);
        looks->addAction(look);
    }
    QAction *ledSettings = menuItem(format, "ledsettei", QStringLiteral("LED の設定(&S)..."));
    connect(m_plateLook, &QAction::triggered, this, [this] {
        m_document.editLook({LookKind::Plate, m_document.look().led});
    });
    connect(m_ledLook, &QAction::triggered, this, [this] {
        m_document.editLook({LookKind::Led, m_document.look().led});
    });
    connect(ledSettings, &QAction::triggered, this, &FormatMenu::changeLedSettings);

    for (QMenu *menu : {format, m_typePresets, m_lineColours})
        keepCaptionsWhole(menu);
}

void FormatMenu::fillPresetMenus()
{
    const SignPresets presets =
        SignPresets::load(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                          QStringLiteral("/presets.json"));
    const auto swatch = [](const QColor &colour) {
        QPixmap square(16, 16);
        square.fill(colour);
        return QIcon(square);
    };
    for (const SignPresets::ServiceType &type : presets.serviceTypes)
        connect(m_typePresets->addAction(swatch(type.background), type.name), &QAction::triggered,
                this, [this, type] { m_document.editTypePlate(type.background, type.text); });
    for (const SignPresets::LineColour &line : presets.lineColours)
        connect(m_lineColours->addAction(swatch(line.colour), line.name), &QAction::triggered, this,
                [this, line] { m_document.editEnglishBand(line.colour); });
    // Told once the window is up, over it.
    if (!presets.failure.ok())
        QTimer::singleShot(0, this, [this, failure = presets.failure] {
            m_messages.tell(kAppTitle, FailureMessage::paragraphs(failure, FileSubject::Presets),
                            MessageBoxService::Icon::Exclamation);
        });
}

void FormatMenu::showFrame(const Frame &frame)
{
    showJustify(frame);
    // The type layout's English line is always black; the band chosen for the sign name waits.
    const bool signName = frame.layout == SignLayout::SignName;
    m_lineColours->menuAction()->setEnabled(signName);
    m_typePresets->menuAction()->setEnabled(!signName);
}

void FormatMenu::showJustify(const Frame &frame)
{
    // 均等割り付け as it stands for the frame: greyed, with the reason, where no line could
    // spread, unless it is on and may be turned off; ticked, with a note, where it is on but
    // spreads nothing.
    const bool spreads = canSpread(frame);
    m_justify->setChecked(frame.justify);
    m_justify->setEnabled(spreads || frame.justify);
    m_justify->setToolTip(spreads ? QStringLiteral("二～四文字の名前を行いっぱいに均等に並べます")
                          : frame.justify
                              ? QStringLiteral("今の名前は二～四文字でないので並べ替えません")
                              : QStringLiteral("幕名・種別・行き先が二～四文字のときに使えます"));
}

void FormatMenu::showLook(const SignLook &look)
{
    (look.isLed() ? m_ledLook : m_plateLook)->setChecked(true);
}

void FormatMenu::changeLedSettings()
{
    LedSettingsDialog dialog(m_document.look().led, m_window);
    // Choosing the panel's settings is choosing to see it.
    if (runModal(dialog) == QDialog::Accepted)
        m_document.editLook({LookKind::Led, dialog.settings()});
}
