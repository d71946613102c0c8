import QtQuick
import QtQuick.Templates as T
import Vireloom.Design

// A thin scroll bar, faint while the view rests and brighter while it moves or is pointed
// at; it shows whenever there is more to see than fits.
T.ScrollBar {
    id: root

    // What screen readers call it: the view it scrolls.
    property string label

    Accessible.name: root.label
    policy: T.ScrollBar.AsNeeded
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    padding: 2
    minimumSize: 0.05

    contentItem: Rectangle {
        implicitWidth: 6
        implicitHeight: 6
        radius: width / 2
        color: root.pressed ? DS.tint(0.45) : DS.tint(0.28)
        opacity: root.policy === T.ScrollBar.AlwaysOn || (root.active && root.size < 1) ? 1 : root.size < 1 ? 0.5 : 0

        Behavior on opacity {
            NumberAnimation {
                duration: 300
            }
        }
    }
}
