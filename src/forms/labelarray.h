#pragma once

#include "label.h"

#include <QtGlobal>

#include <functional>
#include <vector>

namespace forms {

// An indexed family of labels sharing one click handler, which is told the member's index.
// Members 0 and 1 are usually placed by the window's design; the rest are made from member 0.
class LabelArray {
public:
    using ClickHandler = std::function<void(qint16 index)>;

    explicit LabelArray(LabelArea *client) : m_client(client) {}
    LabelArray(const LabelArray &) = delete;
    LabelArray &operator=(const LabelArray &) = delete;

    // A member placed by the window's design.
    Label &add(int index, const TwipsRect &rect, const LabelStyle &style,
               const QString &caption = {});

    // Creates member `index` as a hidden copy of member 0.
    Label &load(int index);
    void unload(int index);

    Label &operator[](int index) const;
    Label *member(int index) const;
    int ubound() const { return static_cast<int>(m_members.size()) - 1; }

    // Only the members of an array with a handler take part in clicks as screen readers see them.
    void setClickHandler(ClickHandler handler);

private:
    Label &adopt(int index, Label *label);
    void connectClick(int index);

    LabelArea *m_client;
    std::vector<Label *> m_members;
    ClickHandler m_onClick;
};

} // namespace forms
