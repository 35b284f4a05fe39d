#include "ui/qt/QtLineEditPeer.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "ui/EditCtrl.h"
#include "ui/qt/QtFonts.h"
#include "ui/qt/QtText.h"

namespace {

// The platform's default limit of an edit control.
constexpr int kDefaultLimit = 30000;

QLineEdit* MakeLineEdit(const CEditCtrl& edit, QWidget* window) {
    auto* line = new QLineEdit(window);
    if (edit.HasStyle(ControlStyle::FixedFont))
        line->setFont(FixedFont(window->font()));
    if (edit.HasStyle(ControlStyle::Password))
        line->setEchoMode(QLineEdit::Password);
    if (edit.HasStyle(ControlStyle::Number))
        line->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), line));
    if (edit.HasStyle(ControlStyle::CenterText))
        line->setAlignment(Qt::AlignHCenter);
    else if (edit.HasStyle(ControlStyle::RightText))
        line->setAlignment(Qt::AlignRight);
    return line;
}

// Ordered selection and the caret's end of it.
struct Selection {
    int start;
    int end;
    int anchor;
    int caret;
};

Selection WidgetSelection(const QLineEdit& line) {
    const int caret = line.cursorPosition();
    if (!line.hasSelectedText())
        return Selection{caret, caret, caret, caret};
    const int start = line.selectionStart();
    const int end = line.selectionEnd();
    return Selection{start, end, caret == start ? end : start, caret};
}

} // namespace

CQtLineEditPeer::CQtLineEditPeer(CEditCtrl& edit, QWidget* window)
    : CQtPeer(edit, MakeLineEdit(edit, window)), m_editablePalette(LineEdit()->palette()) {
    // Not only textEdited: a text set through the accessibility bus is no edit to Qt.
    connect(LineEdit(), &QLineEdit::textChanged, this, &CQtLineEditPeer::OnEdited);
    connect(LineEdit(), &QLineEdit::cursorPositionChanged, this, &CQtLineEditPeer::ReportSelection);
    connect(LineEdit(), &QLineEdit::selectionChanged, this, &CQtLineEditPeer::ReportSelection);
}

QLineEdit* CQtLineEditPeer::LineEdit() const {
    return static_cast<QLineEdit*>(Widget());
}

void CQtLineEditPeer::OnEdited(const QString& text) {
    if (!TakeNativeChange())
        return;
    CEditCtrl& edit = ControlAs<CEditCtrl>();
    // Qt lets an assistive technology set the text of a read-only field.
    if (!edit.IsReadOnly())
        edit.OnTextEdited(ToLatin1(text));
    ReportSelection();
    // Characters outside Latin-1 were stored as '?': show what the control keeps.
    Refresh();
}

void CQtLineEditPeer::ReportSelection() {
    if (!FromOperator())
        return;
    if (IsBehindModalWindow()) {
        Refresh();
        return;
    }
    CEditCtrl& edit = ControlAs<CEditCtrl>();
    // Mid-edit the widget may be ahead of the control; the edit report comes first.
    if (ToLatin1(LineEdit()->text()) != edit.GetWindowText())
        return;
    const Selection shown = WidgetSelection(*LineEdit());
    int start = 0, end = 0;
    edit.GetSel(start, end);
    if (start != shown.start || end != shown.end)
        edit.SetSel(shown.anchor, shown.caret);
}

void CQtLineEditPeer::RefreshWidget() {
    const CEditCtrl& edit = ControlAs<CEditCtrl>();
    QLineEdit* line = LineEdit();
    const QString text = FromLatin1(edit.GetWindowText());
    // A limit set after a longer text must not cut the text, only further typing.
    const int limit = edit.GetLimitText() > 0 ? edit.GetLimitText() : kDefaultLimit;
    line->setMaxLength(std::max(limit, static_cast<int>(text.size())));
    if (line->text() != text)
        line->setText(text);
    if (line->isReadOnly() != edit.IsReadOnly()) {
        line->setReadOnly(edit.IsReadOnly());
        QPalette palette = m_editablePalette;
        if (edit.IsReadOnly())
            palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        line->setPalette(palette);
    }
    int start = 0, end = 0;
    edit.GetSel(start, end);
    const Selection shown = WidgetSelection(*line);
    if (shown.start == start && shown.end == end)
        return;
    if (start == end)
        line->setCursorPosition(start);
    else
        line->setSelection(start, end - start);
}
