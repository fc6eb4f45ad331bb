#pragma once
// The maker's pages, opened in the web browser from the about box and the "Donate" menu.
// The project has no site of its own yet: both stay under the reserved "example" domain.

#include <QString>

inline const QString MakerWebSite = QStringLiteral("https://pellmora.example/");
inline const QString MakerDonationPage = QStringLiteral("https://pellmora.example/donate");
