#pragma once

#include <QString>

// The maker's web site. A reserved example host until the maker names its own.
inline const QString MakerHost = QStringLiteral("www.orvelle.example");

inline QString makerAddress()
{
    return QStringLiteral("http://") + MakerHost;
}
