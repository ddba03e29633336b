# Varelux through AT-SPI. "about": presses View > About, noting that the press was answered at
# once; "save": lists the menu bar, then opens Save As (Ctrl+S) and lists its caption and buttons.
import subprocess, sys, time, pyatspi
def walk(node, depth=0): # down to the labels, not into them
    yield node
    if depth < 12 and node.getRoleName() != "label": # children AT-SPI hands over as None skipped
        yield from (n for c in node if c for n in walk(c, depth + 1))
def soon(find, tries=100):
    for _ in range(tries):
        if found := find(): return found
        time.sleep(0.1)
app = soon(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Varelux"), None))
soon(lambda: app.childCount == 2) # both windows, Form1 shown last
if sys.argv[1] == "about":
    about = soon(lambda: next((n for n in walk(app) if n.getRoleName() == "menu item" and n.name == "About"), None))
    about.queryAction().doAction(0) # answered at once, not once About is closed
    open("pressed", "w")
    soon(lambda: "set_parent" in open("protocol").read())
else:
    print("menu:", *(i.name for n in walk(app[0]) if n.getRoleName() == "menu bar" for i in n))
    def save_as(): # again where the keys went elsewhere, as the window came up
        subprocess.run(["xdotool", "search", "--name", "^Varelux - Version 1.0$", "windowactivate", "--sync", "key", "ctrl+s"])
        return soon(lambda: next((f for f in app if f.getRoleName() == "dialog"), None), 20)
    dialog = soon(save_as, 5)
    print("dialog:", dialog.name, *sorted(n.name for n in walk(dialog) if n.getRoleName() in ("push button", "button")))
