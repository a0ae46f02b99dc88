#include "exercise/frmMain.h"

#include "core/ErrorGuard.h"
#include "widgets/PictureBox.h"
#include "widgets/PromptMarks.h"
#include "widgets/TokenRow.h"

#include <QLabel>

// What the session shows on the exercise window: the set's pictures and marks, the ring, the
// prompt, the tokens and the reward.

namespace tessarine {

bool frmMain::isTargetVisible(AnswerTarget target) const { return targetWidget(target)->isVisibleTo(this); }

bool frmMain::isAttributeRowVisible() const { return Frame2->isVisibleTo(this); }

void frmMain::moveRing()
{
    // Called while the session is being made, before it has a ring to show.
    const auto target = m_session ? m_session->ringTarget() : std::nullopt;
    if (!target) {
        Ring->hide();
        return;
    }
    const QWidget* widget = targetWidget(*target);
    const QRect box(widget->mapTo(this, QPoint(0, 0)), widget->size());
    // Outside the prompt's frame when both are on the right picture, so that neither hides the other.
    const int around = 8 + (m_prompted && widget == element(m_prompted->first, m_prompted->second) ? PromptMarks::FrameWidth : 0);
    Ring->setGeometry(box.adjusted(-around, -around, around, around));
    Ring->raise();
    Ring->show();
    // The reward, when it shows, stays on top of everything.
    if (Reward->isVisible())
        Reward->raise();
}

void frmMain::showPrompt(Row row, int rightElement)
{
    m_prompted = {row, rightElement};
    element(row, 1 - rightElement)->setDimmed(true);
    placePrompt();
    moveRing();
}

void frmMain::hidePrompt()
{
    m_prompted.reset();
    for (PictureBox* box : {Simbolo[0], Simbolo[1], Attributo[0], Attributo[1]})
        box->setDimmed(false);
    Prompt->hide();
    moveRing();
}

void frmMain::placePrompt()
{
    if (!m_prompted)
        return;
    const QWidget* right = element(m_prompted->first, m_prompted->second);
    Prompt->around(QRect(right->mapTo(this, QPoint(0, 0)), right->size()));
    if (Reward->isVisible())
        Reward->raise();
}

void frmMain::setTokens(int goal, int filled) { Tokens->setTokens(goal, filled); }

void frmMain::showReward(const QImage& picture) { Reward->showReward(picture); }

void frmMain::hideReward() { Reward->hide(); }

PictureBox* frmMain::element(Row row, int index) const
{
    const auto& elements = row == Row::Symbols ? Simbolo : Attributo;
    if (index < 0 || index > 1)
        throw positionOutOfRange();
    return elements[static_cast<std::size_t>(index)];
}

void frmMain::setObjectPicture(const QImage& picture, const QString& sourceName) { Immagine->setPicture(picture, sourceName); }

void frmMain::setCaption(const QString& caption)
{
    lblImmagine->setText(caption);
    // The name says what the label is; the caption itself is read out as its description.
    lblImmagine->setAccessibleDescription(caption);
}

void frmMain::setAnswerPicture(Row row, int index, const QImage& picture, const QString& sourceName)
{
    element(row, index)->setPicture(picture, sourceName);
}

void frmMain::clearAnswerPicture(Row row, int index) { element(row, index)->clearPicture(); }

QString frmMain::tag(Row row, int index) const { return element(row, index)->Tag; }

void frmMain::setTag(Row row, int index, const QString& tag) { element(row, index)->Tag = tag; }

void frmMain::setAttributeRowVisible(bool visible) { Frame2->setVisible(visible); }

} // namespace tessarine
