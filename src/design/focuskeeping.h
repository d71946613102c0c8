#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtQml/qqmlregistration.h>

// Keeps the control that holds the keyboard in sight: whenever the focus moves inside a
// scrolling view (a page, a list, a sheet's scrolled content), the view scrolls just enough
// to show the control whole, with a little room around it for its focus ring. One of these
// watches a whole window, so every page gets it without doing anything.
class FocusInView : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QQuickWindow *window READ window WRITE setWindow NOTIFY windowChanged)

public:
    using QObject::QObject;

    QQuickWindow *window() const { return m_window; }
    void setWindow(QQuickWindow *window);

    // Scrolls every view that holds `item`, innermost first, until `item` shows whole.
    static void reveal(QQuickItem *item);
    // Room kept between the control and the view's edge: its ring and a hint of what is next.
    static constexpr qreal kRoom = 16;

signals:
    void windowChanged();

private:
    void focusMoved();

    QPointer<QQuickWindow> m_window;
};

// Gives the keyboard back to the control it came from once a popup (a sheet, a dialog, a
// menu) closes; without it the focus would fall to the window itself, where nothing
// answers a key. A control that had its ring when the popup opened has it again.
class FocusReturnAttached : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled NOTIFY enabledChanged)

public:
    explicit FocusReturnAttached(QObject *popup);
    ~FocusReturnAttached() override;

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

signals:
    void enabledChanged();

private slots:
    void remember();
    void giveBack();

private:
    QQuickWindow *popupWindow() const;
    QQuickItem *popupItem() const;
    // The panels of the popups open now, with what they give the keyboard back to.
    static QHash<QQuickItem *, FocusReturnAttached *> &openPopups();

    QObject *m_popup;
    QPointer<QQuickItem> m_opener;
    bool m_openerShowedRing = false;
    bool m_enabled = true;
};

class FocusReturn : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("FocusReturn is an attached property of popups: FocusReturn.enabled: true")
    QML_ATTACHED(FocusReturnAttached)

public:
    static FocusReturnAttached *qmlAttachedProperties(QObject *object);
};
