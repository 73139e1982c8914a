#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// A page of a book (or of the web) as the plain text an own text file gives: a
// paragraph, heading, list item or table row per line, a blank line between
// blocks, <br> a line feed, scripts, styles and the head left out, references
// decoded, white space collapsed, soft hyphens and invisible breaks removed.
struct PageText {
    QString text;
    // The first heading's text, empty when the page has none.
    QString heading;
};

// Reads XHTML with the XML reader. A document that is not well-formed is read as
// far as it goes; the rest has its tags removed by the rules of htmlToText.
PageText xhtmlToText(const QByteArray& document);

// The same for HTML that need not be well-formed, as the clipboard holds it.
PageText htmlToText(QStringView html);

// Words as a reader counts them: runs of characters between white space.
int countWords(QStringView text);
