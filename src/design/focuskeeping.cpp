#include "focuskeeping.h"

#include "designlog.h"

#include <QHash>

#include <algorithm>

namespace {

struct Axis
{
    const char *position;
    const char *origin;
    const char *contentSize;
    const char *startMargin;
    const char *endMargin;
};

constexpr Axis vertical{"contentY", "originY", "contentHeight", "topMargin", "bottomMargin"};
constexpr Axis horizontal{"contentX", "originX", "contentWidth", "leftMargin", "rightMargin"};

qreal number(const QObject *object, const char *name)
{
    return object->property(name).toReal();
}

// Moves the view along one axis so that [start, end] (in the view's coordinates) lies
// inside [0, extent], keeping the start in sight where both cannot be.
void scrollAxis(QQuickItem *view, const Axis &axis, qreal start, qreal end, qreal extent)
{
    const qreal content = number(view, axis.contentSize);
    const qreal low = number(view, axis.origin) - number(view, axis.startMargin);
    const qreal high = number(view, axis.origin) + content + number(view, axis.endMargin) - extent;
    if (high <= low)
        return;
    const qreal room = std::clamp((extent - (end - start)) / 2, qreal(0), FocusInView::kRoom);
    qreal delta = 0;
    if (end + room > extent)
        delta = end + room - extent;
    if (start - room - delta < 0)
        delta = start - room;
    if (delta == 0)
        return;
    const qreal now = number(view, axis.position);
    const qreal next = std::clamp(now + delta, low, high);
    if (next != now)
        view->setProperty(axis.position, next);
}

} // namespace

void FocusInView::setWindow(QQuickWindow *window)
{
    if (m_window == window)
        return;
    if (m_window)
        disconnect(m_window, nullptr, this, nullptr);
    m_window = window;
    if (window)
        connect(window, &QQuickWindow::activeFocusItemChanged, this, &FocusInView::focusMoved);
    emit windowChanged();
}

void FocusInView::focusMoved()
{
    QQuickItem *item = m_window ? m_window->activeFocusItem() : nullptr;
    if (!item || item == m_window->contentItem())
        return;
    reveal(item);
    // A control that has just been shown may not have its final place yet: look again once
    // the layouts have run.
    QMetaObject::invokeMethod(
        this,
        [this, target = QPointer<QQuickItem>(item)] {
            if (target && m_window && m_window->activeFocusItem() == target)
                reveal(target);
        },
        Qt::QueuedConnection);
}

void FocusInView::reveal(QQuickItem *item)
{
    for (QQuickItem *view = item->parentItem(); view; view = view->parentItem()) {
        if (!view->inherits("QQuickFlickable"))
            continue;
        // A view's own scroll bars and decorations stand beside its content, not in it.
        auto *content = view->property("contentItem").value<QQuickItem *>();
        if (!content || !content->isAncestorOf(item))
            continue;
        const QRectF shown = item->mapRectToItem(view, QRectF(0, 0, item->width(), item->height()));
        scrollAxis(view, vertical, shown.top(), shown.bottom(), view->height());
        if (number(view, horizontal.contentSize) > view->width())
            scrollAxis(view, horizontal, shown.left(), shown.right(), view->width());
    }
}

FocusReturnAttached::FocusReturnAttached(QObject *popup)
    : QObject(popup)
    , m_popup(popup)
{
    const QMetaObject *meta = popup->metaObject();
    if (meta->indexOfSignal("aboutToShow()") < 0 || meta->indexOfSignal("closed()") < 0) {
        qCWarning(lcDesign) << "FocusReturn works on popups only, not on" << popup;
        return;
    }
    // The popup types are not public API: their signals are reached by name.
    connect(popup, SIGNAL(aboutToShow()), this, SLOT(remember()));
    connect(popup, SIGNAL(closed()), this, SLOT(giveBack()));
}

FocusReturnAttached::~FocusReturnAttached()
{
    openPopups().removeIf([this](const auto &open) { return open.value() == this; });
}

void FocusReturnAttached::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    emit enabledChanged();
}

QQuickWindow *FocusReturnAttached::popupWindow() const
{
    const auto *parent = m_popup->property("parent").value<QQuickItem *>();
    return parent ? parent->window() : nullptr;
}

QQuickItem *FocusReturnAttached::popupItem() const
{
    const auto *content = m_popup->property("contentItem").value<QQuickItem *>();
    return content ? content->parentItem() : nullptr;
}

namespace {

// The panel of the popup that `item` lies in, or null for the window's own content.
QQuickItem *enclosingPopup(QQuickItem *item)
{
    for (QQuickItem *up = item; up; up = up->parentItem()) {
        if (up->inherits("QQuickPopupItem"))
            return up;
    }
    return nullptr;
}

// The keyboard is nowhere a key would do anything.
bool nowhere(const QQuickWindow *window, const QQuickItem *item)
{
    return !item || item == window->contentItem() || item->inherits("QQuickOverlay") || !item->isVisible();
}

} // namespace

QHash<QQuickItem *, FocusReturnAttached *> &FocusReturnAttached::openPopups()
{
    static QHash<QQuickItem *, FocusReturnAttached *> popups;
    return popups;
}

void FocusReturnAttached::remember()
{
    QQuickWindow *window = popupWindow();
    QQuickItem *focused = window ? window->activeFocusItem() : nullptr;
    m_opener = window && !nowhere(window, focused) ? focused : nullptr;
    // Items that are not controls draw their ring whenever they hold the keyboard.
    const QVariant ring = focused ? focused->property("visualFocus") : QVariant();
    m_openerShowedRing = !ring.isValid() || ring.toBool();
    // A menu closes as soon as one of its entries is chosen: what the entry opens goes back
    // where the menu itself would have gone.
    if (focused) {
        const FocusReturnAttached *menu = openPopups().value(enclosingPopup(focused));
        if (menu && menu->m_popup->inherits("QQuickMenu")) {
            m_opener = menu->m_opener;
            m_openerShowedRing = menu->m_openerShowedRing;
        }
    }
    if (QQuickItem *panel = popupItem())
        openPopups().insert(panel, this);
}

void FocusReturnAttached::giveBack()
{
    openPopups().removeIf([this](const auto &open) { return open.value() == this; });
    QQuickItem *opener = m_opener;
    m_opener = nullptr;
    QQuickWindow *window = popupWindow();
    if (!m_enabled || !opener || !window)
        return;
    // Something chosen in the popup may have sent the keyboard elsewhere on purpose; but
    // focus handed back to the popup the opener stands in is only where Qt puts it.
    QQuickItem *now = window->activeFocusItem();
    if (!nowhere(window, now) && (enclosingPopup(now) == nullptr || enclosingPopup(now) != enclosingPopup(opener)))
        return;
    // The opener may have gone away with what was chosen ("Clear" hides its own button):
    // the control after it stands in.
    QQuickItem *target = opener;
    if (!opener->isVisible() || !opener->isEnabled())
        target = opener->nextItemInFocusChain(true);
    if (target)
        target->forceActiveFocus(m_openerShowedRing ? Qt::TabFocusReason : Qt::OtherFocusReason);
}

FocusReturnAttached *FocusReturn::qmlAttachedProperties(QObject *object)
{
    return new FocusReturnAttached(object);
}
