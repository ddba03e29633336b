#pragma once

#include "labelarea.h"
#include "twips.h"

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QtGlobal>

class QMenuBar;
class QWidget;

namespace forms {

class ClientArea;
class FormWindow;
class MenuItem;
class WindowScale;

enum class WindowBorder { Sizable, FixedSingle, FixedDialog };
enum class StartPosition { Default, CenterScreen, Manual };

// Key codes as a window's key handler is given them, and the bits of its shift state.
namespace Key {
inline constexpr qint16 Tab = 9, Return = 13, Escape = 27, Space = 32, PageUp = 33, PageDown = 34,
                        Left = 37, Up = 38, Right = 39, Down = 40;
}
inline constexpr qint16 ShiftMask = 1, CtrlMask = 2, AltMask = 4;

// How a window is designed: what it has before its load handler runs.
struct FormDesign {
    QString caption;
    float clientWidth = 0; // twips; the client area is the part below the menu bar
    float clientHeight = 0;
    WindowBorder border = WindowBorder::Sizable;
    bool minButton = true;
    bool maxButton = true;
    bool showInTaskbar = true;
    StartPosition startPosition = StartPosition::Default;
    float left = 0; // twips from the screen's top-left corner, with StartPosition::Manual
    float top = 0;
    const char *icon = nullptr; // a resource path
    // The window's Form_KeyDown sees keys before its controls do, and its client area is a
    // focus stop of its own beside its controls: Tab and a click give it the focus.
    bool keyPreview = false;
    // The user can zoom the window's client area, as a document viewer zooms its page: Ctrl with
    // Plus, Minus and 0, Ctrl with the mouse wheel, and zoomIn() and the rest for its menus.
    bool zoomable = false;
};

// A window with one default instance (see instance<T>() below). The constructor of a window
// class builds its designed controls; loading then runs its Form_Load to completion. Unloading
// runs Form_Unload and destroys the window with all its controls.
class Form : public QObject {
    Q_OBJECT
public:
    ~Form() override;

    void show();
    // Shows the window application-modal, as a dialog of `owner`'s window (placed and kept in
    // front of it, and listed with it), and returns once it has been unloaded.
    void showModal(const Form &owner);
    void hide();
    // False when Form_Unload set its cancel flag.
    bool unload();
    void setWindowStateNormal();

    QString caption() const;
    void setCaption(const QString &caption);

    QWidget *window() const;
    LabelArea *client() const;
    // The control or label that has the keyboard focus in this window, if any.
    QObject *activeControl() const;
    // Gives the window's own area the keyboard focus, from whichever control has it.
    void setFocus();

    // Paints the window in the platform's usual light colours, whatever the desktop's theme.
    void useLightColours();
    // Lays the window out at `dpi` whatever its screen's, as a drawing of it at that resolution
    // wants.
    void setResolution(double dpi);

    // The zoom, 1 as designed, in the steps document viewers take, as far as the screen holds the
    // window; the window grows from where it stands and stays on the screen.
    double zoom() const;
    bool canZoomIn() const;
    bool canZoomOut() const;
    void zoomIn();
    void zoomOut();
    void actualSize();

    // Opens `menu` as a context menu with its top-left corner at (x, y), in twips of the client
    // area.
    void popupMenu(MenuItem &menu, float x, float y);

    // Ends every window at once: destroyed, no handler of theirs runs.
    static void destroyAll();

signals:
    void unloaded();

protected:
    explicit Form(const FormDesign &design);

    MenuItem &addMenu(const QString &caption);
    // A menu of the window's own that is not on its menu bar, for popupMenu().
    MenuItem &addPopupMenu();

    virtual void Form_Load() {}
    virtual void Form_Unload(qint16 &cancel) { Q_UNUSED(cancel); }
    virtual void Form_Click() {}
    // The client area got or lost the keyboard focus; it loses it too while another window is
    // active.
    virtual void Form_GotFocus() {}
    virtual void Form_LostFocus() {}
    // A right click at (X, Y), in twips of the client area, or the Menu key or Shift+F10
    // (FromKeyboard, with X and Y 0).
    virtual void Form_ContextMenu(bool FromKeyboard, float X, float Y)
    {
        Q_UNUSED(FromKeyboard);
        Q_UNUSED(X);
        Q_UNUSED(Y);
    }
    // Setting KeyCode to 0 keeps the key from the control that would otherwise get it. Letters
    // come as their capitals' codes (C is 67). Keys for the menu bar, and F10, which opens the
    // first menu, never come here.
    virtual void Form_KeyDown(qint16 &KeyCode, qint16 Shift)
    {
        Q_UNUSED(KeyCode);
        Q_UNUSED(Shift);
    }
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class FormWindow;
    friend class ClientArea;
    template <class T> friend T &instance();

    void forget();
    void dispose();
    void placeAtStart();
    void layOutAgain();
    QSize designedClientSize() const;

    FormDesign m_design;
    FormWindow *m_window = nullptr;
    ClientArea *m_client = nullptr;
    TwipsScale *m_scale = nullptr;
    WindowScale *m_windowScale = nullptr;
    int m_wheel = 0;           // the mouse wheel's turn towards the next zoom step
    QPointer<QWidget> m_owner; // the window this one is a dialog of, while shown modally
    QMenuBar *m_menuBar = nullptr;
    Form **m_slot = nullptr;
    bool m_placed = false;
    bool m_gone = false;
};

namespace detail {
template <class T> inline Form *defaultInstance = nullptr;
}

// The default instance of window class T, loaded (and its Form_Load run) on first use.
template <class T> T &instance()
{
    Form *&slot = detail::defaultInstance<T>;
    if (!slot) {
        auto *form = new T;
        slot = form;
        form->m_slot = &slot;
        static_cast<Form *>(form)->Form_Load();
    }
    return static_cast<T &>(*slot);
}

template <class T> T &load()
{
    return instance<T>();
}

template <class T> bool isLoaded()
{
    return detail::defaultInstance<T> != nullptr;
}

} // namespace forms
