#pragma once

#include <QObject>
#include <QPointer>
#include <string>

class QAbstractItemView;
class QLabel;

// The text an empty list shows (CListViewCtrl::SetEmptyText): a label over the list's rows
// area, a sibling of the list so that it is an object of its own on the accessibility bus,
// and the list's accessible description (the whole text where the label shows it cut), so
// that a screen reader on the list says it too.
// Mouse input goes through it to the list. Gone while the list has rows.
class CQtListEmptyText final : public QObject {
public:
    explicit CQtListEmptyText(QAbstractItemView* view);

    void Show(const std::string& text, const std::string& description, bool listEmpty);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Follow();

    QAbstractItemView* m_pView;
    // Held apart from the view, which its own destruction hides: by then only its QWidget
    // part is left to ask.
    QPointer<QWidget> m_pViewport;
    QPointer<QLabel> m_pLabel;
};
