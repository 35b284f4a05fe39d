#include "ui/qt/AccessibleLabels.h"

#include <algorithm>
#include <climits>

namespace {

// How far (dialog units) a label may overlap its control, and how far above it may stand.
constexpr int kTolerance = 2;
constexpr int kMaxGapAbove = 16;

bool LabelledByNeighbour(ControlKind kind) {
    switch (kind) {
    case ControlKind::Edit:
    case ControlKind::ListView:
    case ControlKind::TreeView:
    case ControlKind::ComboBox:
    case ControlKind::IpAddress:
    case ControlKind::Spin:
        return true;
    default:
        return false;
    }
}

const char* KindName(const CControlTemplate& control) {
    // A read-only multi-line text that nothing labels is the window's transcript.
    constexpr unsigned kTranscript = ControlStyle::ReadOnly | ControlStyle::MultiLine;
    if (control.kind == ControlKind::Edit && (control.style & kTranscript) == kTranscript)
        return "Log";
    switch (control.kind) {
    case ControlKind::Static:
        return "Text";
    case ControlKind::GroupBox:
        return "Group";
    case ControlKind::Edit:
        return "Edit";
    case ControlKind::PushButton:
        return "Button";
    case ControlKind::CheckBox:
        return "Check box";
    case ControlKind::RadioButton:
        return "Option";
    case ControlKind::ComboBox:
        return "Combo box";
    case ControlKind::ListView:
        return "List";
    case ControlKind::TreeView:
        return "Tree";
    case ControlKind::IpAddress:
        return "IP address";
    case ControlKind::Spin:
        return "Spin";
    case ControlKind::Animation:
        return "Animation";
    case ControlKind::Tab:
        return "Tabs";
    case ControlKind::Icon:
        return "Icon";
    }
    return "Control";
}

int VerticalOverlap(const CRect& a, const CRect& b) {
    return std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
}

int HorizontalOverlap(const CRect& a, const CRect& b) {
    return std::min(a.right, b.right) - std::max(a.left, b.left);
}

bool Contains(const CRect& outer, const CRect& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom;
}

const CControlTemplate* LabelToTheLeft(const std::vector<CControlTemplate>& controls,
                                       const CRect& rect) {
    const CControlTemplate* best = nullptr;
    int bestGap = INT_MAX;
    for (const CControlTemplate& other : controls) {
        const bool labelKind =
            other.kind == ControlKind::Static || other.kind == ControlKind::RadioButton;
        if (!labelKind || other.label.empty() || VerticalOverlap(other.rect, rect) <= 0 ||
            other.rect.left >= rect.left || other.rect.right > rect.left + kTolerance)
            continue;
        const int gap = rect.left - other.rect.right;
        if (gap < bestGap) {
            best = &other;
            bestGap = gap;
        }
    }
    return best;
}

// `taken`: the labels that already name a control to their right; a person reads such a
// label with that control, not with one below it.
const CControlTemplate* LabelAbove(const std::vector<CControlTemplate>& controls, const CRect& rect,
                                   const std::vector<const CControlTemplate*>& taken) {
    const CControlTemplate* best = nullptr;
    int bestGap = INT_MAX;
    int bestShift = INT_MAX;
    for (const CControlTemplate& other : controls) {
        if (other.kind != ControlKind::Static || other.label.empty() ||
            std::find(taken.begin(), taken.end(), &other) != taken.end() ||
            HorizontalOverlap(other.rect, rect) <= 0 || other.rect.bottom > rect.top + kTolerance)
            continue;
        const int gap = rect.top - other.rect.bottom;
        const int shift = std::abs(rect.left - other.rect.left);
        if (gap > kMaxGapAbove)
            continue;
        if (gap < bestGap || (gap == bestGap && shift < bestShift)) {
            best = &other;
            bestGap = gap;
            bestShift = shift;
        }
    }
    return best;
}

const CControlTemplate* EnclosingGroup(const std::vector<CControlTemplate>& controls,
                                       const CRect& rect) {
    const CControlTemplate* best = nullptr;
    for (const CControlTemplate& other : controls) {
        if (other.kind != ControlKind::GroupBox || other.label.empty() ||
            !Contains(other.rect, rect))
            continue;
        if (!best || Contains(best->rect, other.rect))
            best = &other;
    }
    return best;
}

} // namespace

std::vector<CAccessibleLabel> AccessibleLabels(const std::vector<CControlTemplate>& controls) {
    std::vector<const CControlTemplate*> leftLabels(controls.size(), nullptr);
    for (size_t i = 0; i < controls.size(); ++i)
        if (LabelledByNeighbour(controls[i].kind))
            leftLabels[i] = LabelToTheLeft(controls, controls[i].rect);
    std::vector<CAccessibleLabel> labels;
    labels.reserve(controls.size());
    for (size_t i = 0; i < controls.size(); ++i) {
        const CControlTemplate& control = controls[i];
        if (!LabelledByNeighbour(control.kind)) {
            labels.push_back({control.label.empty() ? KindName(control) : control.label});
            continue;
        }
        const CControlTemplate* label = leftLabels[i];
        if (!label)
            label = LabelAbove(controls, control.rect, leftLabels);
        if (label) {
            labels.push_back({label->label, static_cast<int>(label - controls.data())});
        } else if (const CControlTemplate* group = EnclosingGroup(controls, control.rect)) {
            labels.push_back({group->label});
        } else {
            labels.push_back({KindName(control)});
        }
    }
    return labels;
}
