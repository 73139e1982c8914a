#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The named character references of HTML that books and pasted pages use, and
// numeric references: what "&eacute;" or "&#x2014;" stand for.
namespace HtmlEntities {

// The text a named reference (without '&' and ';') stands for; nothing for an unknown name.
std::optional<QString> named(QStringView name);

// Replaces the references in running text: named ones from the table, decimal and
// hexadecimal ones by their character. Unknown or broken references stay as written.
QString decode(QStringView text);

} // namespace HtmlEntities
