#include "records/steuerkategorie.h"

#include <iterator>

namespace {

// In the order of the enum.
const char* const codes[] = {"S", "Z", "E", "AE", "K", "G", "O"};

}  // namespace

QString Steuerkategorien::code(Steuerkategorie k)
{
    return QString::fromLatin1(codes[int(k)]);
}

std::optional<Steuerkategorie> Steuerkategorien::ausCode(const QString& code)
{
    const QString c = code.trimmed().toUpper();
    for (int i = 0; i < int(std::size(codes)); ++i)
        if (c == QLatin1String(codes[i]))
            return Steuerkategorie(i);
    return std::nullopt;
}

bool Steuerkategorien::steuerbar(Steuerkategorie k)
{
    return k == Steuerkategorie::Normalsatz || k == Steuerkategorie::Nullsatz;
}
