#include "labelarray.h"

namespace forms {

Label &LabelArray::add(int index, const TwipsRect &rect, const LabelStyle &style,
                       const QString &caption)
{
    return adopt(index, new Label(m_client, rect, style, caption));
}

Label &LabelArray::load(int index)
{
    return adopt(index, (*this)[0].cloneHidden());
}

Label &LabelArray::adopt(int index, Label *label)
{
    Q_ASSERT(index >= 0 && !member(index));
    if (index >= static_cast<int>(m_members.size()))
        m_members.resize(index + 1, nullptr);
    m_members[index] = label;
    if (m_onClick)
        connectClick(index);
    return *label;
}

void LabelArray::setClickHandler(ClickHandler handler)
{
    const bool first = !m_onClick;
    m_onClick = std::move(handler);
    if (first)
        for (int index = 0; index <= ubound(); ++index)
            if (member(index))
                connectClick(index);
}

void LabelArray::connectClick(int index)
{
    Label *label = m_members[index];
    QObject::connect(label, &Label::clicked, label,
                     [this, index] { m_onClick(static_cast<qint16>(index)); });
}

void LabelArray::unload(int index)
{
    Label *label = member(index);
    Q_ASSERT(label);
    m_members[index] = nullptr;
    while (!m_members.empty() && !m_members.back())
        m_members.pop_back();
    delete label;
}

Label *LabelArray::member(int index) const
{
    return index >= 0 && index < static_cast<int>(m_members.size()) ? m_members[index] : nullptr;
}

Label &LabelArray::operator[](int index) const
{
    Label *label = member(index);
    Q_ASSERT_X(label, "LabelArray", "no member at that index");
    return *label;
}

} // namespace forms
