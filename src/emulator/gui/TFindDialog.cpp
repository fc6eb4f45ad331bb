#include "emulator/gui/TFindDialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFindDialog::TFindDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FindDialog1"));
    setWindowTitle(QCoreApplication::translate("Find", "Find"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(false);

    auto* label = new QLabel(QCoreApplication::translate("Find", "Fi&nd what:"), this);
    FindEdit = new QLineEdit(this);
    FindEdit->setObjectName(QStringLiteral("FindEdit"));
    FindEdit->setMinimumWidth(190);
    label->setBuddy(FindEdit);
    FindNextBtn = new QPushButton(QCoreApplication::translate("Find", "&Find Next"), this);
    FindNextBtn->setObjectName(QStringLiteral("FindNextBtn"));
    FindNextBtn->setDefault(true);
    FindNextBtn->setEnabled(false);
    CancelBtn = new QPushButton(QCoreApplication::translate("Find", "Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(FindEdit, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(FindNextBtn);
    buttons->addWidget(CancelBtn);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addLayout(row);
    left->addStretch();
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(FindEdit, &QLineEdit::textChanged, FindNextBtn,
            [this](const QString& text) { FindNextBtn->setEnabled(!text.isEmpty()); });
    connect(FindNextBtn, &QPushButton::clicked, this, [this] {
        if (!FindText().isEmpty())
            emit find();
    });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

QString TFindDialog::FindText() const {
    return FindEdit->text();
}

void TFindDialog::SetFindText(const QString& text) {
    FindEdit->setText(text);
}

void TFindDialog::done(int result) {
    QDialog::done(result);
    emit closed();
}
