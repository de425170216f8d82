// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/exit/ReferralForm.h"

#include "links/modTellAFriend.h"
#include "platform/Platform.h"
#include "ui/common/Fonts.h"
#include "ui/common/ProgramColours.h"
#include "ui/common/Twips.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <limits>

namespace qvz {

namespace {

// Where the boxes stand in the frame, in twips.
constexpr struct {
    QRect txtName = twipsRect(85, 360, 3375, 285);
    QRect txtEmail = twipsRect(3600, 360, 3375, 285);
    QRect txtFriendName = twipsRect(85, 720, 3375, 285);
    QRect txtFriendEmail = twipsRect(3600, 720, 3375, 285);
    QRect cmdSubmit = twipsRect(1920, 1080, 3375, 285);
    QRect txtMessage = twipsRect(4800, 3600, 1815, 495); // below the frame's lower edge
} kLayout;

// The message as the user entered it, with CR LF line breaks: the editor keeps lines as
// separate blocks, and its plain-text view would also turn no-break spaces into spaces.
QString messageText(const QPlainTextEdit* box)
{
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    text.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return text;
}

QString boxText(const QWidget* box)
{
    if (auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    return messageText(static_cast<const QPlainTextEdit*>(box));
}

void setBoxText(QWidget* box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else
        static_cast<QPlainTextEdit*>(box)->setPlainText(text);
}

// A popup such as the box's own context menu takes the focus only for a moment: filling
// the placeholder in then would have the user paste into it.
bool isPopup(const QEvent* event)
{
    return static_cast<const QFocusEvent*>(event)->reason() == Qt::PopupFocusReason;
}

} // namespace

ReferralForm::ReferralForm(Platform& platform, QWidget* parent)
    : QGroupBox(QStringLiteral("Refer A Friend"), parent), platform_(platform)
{
    setObjectName(QStringLiteral("Frame2"));
    setAccessibleName(QStringLiteral("Refer A Friend"));
    setFont(verdana(9.75, true));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kNavy);
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);

    txtName_ = addLineEdit(QStringLiteral("txtName"), QStringLiteral("Your Name"), kLayout.txtName);
    txtEmail_ = addLineEdit(QStringLiteral("txtEmail"), QStringLiteral("Your Email Address"),
                            kLayout.txtEmail);
    txtFriendName_ = addLineEdit(QStringLiteral("txtFriendName"), QStringLiteral("Friend's Name"),
                                 kLayout.txtFriendName);
    txtFriendEmail_ = addLineEdit(QStringLiteral("txtFriendEmail"),
                                  QStringLiteral("Friend's Email Address"), kLayout.txtFriendEmail);
    cmdSubmit_ = addSubmitButton();
    txtMessage_ = addMessageBox();
    setTabOrder();
}

QLineEdit* ReferralForm::addLineEdit(const QString& name, const QString& placeholder,
                                     const QRect& rect)
{
    auto* box = new QLineEdit(placeholder, this);
    box->setObjectName(name);
    box->setAccessibleName(placeholder);
    box->setFont(verdana(8.25));
    box->setGeometry(rect);
    // A line edit cuts a paste at 32,767 characters unasked; the submission refuses such
    // a value instead, saying so.
    box->setMaxLength(std::numeric_limits<int>::max());
    box->installEventFilter(this);
    placeholders_.insert(box, placeholder);
    return box;
}

// Lies below the frame's lower edge, so it is never seen; its untouched text is sent as
// the message.
QPlainTextEdit* ReferralForm::addMessageBox()
{
    auto* box = new QPlainTextEdit(QStringLiteral("Your Message\r\n"), this);
    box->setObjectName(QStringLiteral("txtMessage"));
    box->setAccessibleName(QStringLiteral("Your Message"));
    box->setFont(verdana(8.25));
    box->setGeometry(kLayout.txtMessage);
    box->setTabChangesFocus(true);
    box->installEventFilter(this);
    placeholders_.insert(box, QStringLiteral("Your Message"));
    return box;
}

QPushButton* ReferralForm::addSubmitButton()
{
    auto* button = new QPushButton(QStringLiteral("Refer A Friend &Now"), this);
    button->setObjectName(QStringLiteral("cmdSubmit"));
    button->setAccessibleName(QStringLiteral("Refer A Friend Now"));
    button->setFont(verdana(8.25, true));
    button->setGeometry(kLayout.cmdSubmit);
    connect(button, &QPushButton::clicked, this, &ReferralForm::submit);
    return button;
}

void ReferralForm::setTabOrder()
{
    QWidget::setTabOrder(txtName_, cmdSubmit_);
    QWidget::setTabOrder(cmdSubmit_, txtEmail_);
    QWidget::setTabOrder(txtEmail_, txtFriendEmail_);
    QWidget::setTabOrder(txtFriendEmail_, txtFriendName_);
    QWidget::setTabOrder(txtFriendName_, txtMessage_);
}

bool ReferralForm::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QWidget*>(watched);
    if (box && placeholders_.contains(box)) {
        switch (event->type()) {
        case QEvent::FocusIn:
            if (!isPopup(event))
                enterBox(box);
            break;
        case QEvent::FocusOut:
            if (!isPopup(event))
                leaveBox(box);
            break;
        case QEvent::KeyPress:
            return refuseSpace(box, event);
        default:
            break;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void ReferralForm::enterBox(QWidget* box)
{
    if (trimSpaces(boxText(box)) == placeholders_.value(box))
        setBoxText(box, QString());
}

void ReferralForm::leaveBox(QWidget* box)
{
    if (trimSpaces(boxText(box)).isEmpty())
        setBoxText(box, placeholders_.value(box));
}

// E-mail addresses cannot hold a typed space; a pasted one is not a key press and passes.
bool ReferralForm::refuseSpace(QWidget* box, QEvent* event)
{
    if (box != txtEmail_ && box != txtFriendEmail_)
        return false;
    if (static_cast<QKeyEvent*>(event)->text() != QLatin1String(" "))
        return false;
    showReferralMessage(platform_, QStringLiteral("Email Address Cannot Contain Space"), window());
    box->setFocus(Qt::OtherFocusReason);
    return true;
}

ReferralRequest ReferralForm::enteredTexts() const
{
    ReferralRequest entered;
    entered.senderName = txtName_->text();
    entered.senderEmail = txtEmail_->text();
    entered.message = messageText(txtMessage_);
    entered.friendName = txtFriendName_->text();
    entered.friendEmail = txtFriendEmail_->text();
    return entered;
}

void ReferralForm::submit()
{
    submitReferralForm(platform_, enteredTexts(), window());
}

} // namespace qvz
