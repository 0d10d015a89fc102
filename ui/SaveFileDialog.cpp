#include "ui/SaveFileDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QRegularExpression>

SaveFileDialog::SaveFileDialog(const DialogService::SaveRequest &request, QWidget *parent)
    : QFileDialog(parent, request.title, request.fileName, request.filter)
{
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setDefaultSuffix(request.defaultSuffix);
    // Asked whatever the flags say: a picture saved over cannot be had back.
    setOption(QFileDialog::DontConfirmOverwrite, false);

    m_readOnly = new QCheckBox(tr("読み取り専用で開く(&R)"), this);
    m_readOnly->setObjectName(QStringLiteral("readOnly"));
    m_readOnly->setChecked(request.readOnlyBox == ReadOnlyBox::Ticked);
    m_readOnly->setHidden(request.readOnlyBox == ReadOnlyBox::Hidden);
    if (auto *grid = qobject_cast<QGridLayout *>(layout()))
        grid->addWidget(m_readOnly, grid->rowCount(), 0, 1, grid->columnCount());

    connect(this, &QFileDialog::filterSelected, this, &SaveFileDialog::followFilter);
}

// A name typed without extension takes the first one of the file type the user picked, which
// at first is the GIF the dialog opens with.
void SaveFileDialog::followFilter(const QString &filter)
{
    static const QRegularExpression firstPattern(QStringLiteral("\\(\\*\\.(\\w+)[^()]*\\)\\s*$"));
    const QRegularExpressionMatch match = firstPattern.match(filter);
    if (match.hasMatch())
        setDefaultSuffix(match.captured(1));
}
