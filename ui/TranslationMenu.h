#pragma once

#include <QObject>

class QMenuBar;
struct Services;

// 翻訳: the web translation page for the sign's English line, also opened by the button beside
// the English line.
class TranslationMenu : public QObject
{
    Q_OBJECT

public:
    TranslationMenu(QMenuBar *menuBar, Services &services, QObject *parent = nullptr);

    void openTranslationPage();

private:
    Services &m_services;
};
