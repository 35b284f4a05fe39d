#include "ui/qt/QtListEmptyText.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QLabel>

#include "ui/qt/QtText.h"

CQtListEmptyText::CQtListEmptyText(QAbstractItemView* view)
    : QObject(view), m_pView(view), m_pViewport(view->viewport()) {}

void CQtListEmptyText::Show(const std::string& text, const std::string& description,
                            bool listEmpty) {
    const QString shown = listEmpty ? DisplayText(text) : QString();
    const QString told = listEmpty ? DisplayText(description) : QString();
    if (m_pView->accessibleDescription() != told)
        m_pView->setAccessibleDescription(told);
    if (shown.isEmpty() && !m_pLabel)
        return;
    if (!m_pLabel) {
        m_pLabel = new QLabel(m_pView->parentWidget());
        m_pLabel->setWordWrap(true);
        m_pLabel->setAlignment(Qt::AlignCenter);
        m_pLabel->setMargin(6);
        m_pLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_pLabel->setForegroundRole(QPalette::PlaceholderText);
        m_pView->installEventFilter(this);
        m_pViewport->installEventFilter(this);
    }
    if (m_pLabel->text() != shown)
        m_pLabel->setText(shown);
    Follow();
}

bool CQtListEmptyText::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        Follow();
        break;
    default:
        break;
    }
    return false;
}

// Over the rows area, below the header, and only while the list itself shows.
void CQtListEmptyText::Follow() {
    // The view clears its viewport before the widget goes: the filter may still see events.
    const QWidget* viewport = m_pViewport;
    if (!m_pLabel || !viewport)
        return;
    m_pLabel->setGeometry(
        QRect(viewport->mapTo(m_pView->parentWidget(), QPoint(0, 0)), viewport->size()));
    m_pLabel->setVisible(!m_pLabel->text().isEmpty() && !m_pView->isHidden());
    m_pLabel->raise();
}
