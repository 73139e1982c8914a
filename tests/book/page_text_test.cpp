#include "book/xhtml_text.h"

#include <gtest/gtest.h>

namespace {

QByteArray page(const QByteArray& body) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
           "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.1//EN\" "
           "\"http://www.w3.org/TR/xhtml11/DTD/xhtml11.dtd\">\n"
           "<html xmlns=\"http://www.w3.org/1999/xhtml\"><head><title>Not text</title>"
           "<style>p { margin: 0 }</style></head><body>" +
           body + "</body></html>";
}

} // namespace

TEST(PageText, BlocksBecomeLinesWithTheTextAReaderSees) {
    const struct {
        QByteArray body;
        QString text;
    } cases[] = {
        {"<h1>Part One</h1><p>It  was\n\t  late.</p><div><p>Nested</p> tail</div>",
         "Part One\n\nIt was late.\n\nNested\n\ntail"},
        {"<p>first<br/>second<br/></p><p><br/>third</p>", "first\nsecond\n\nthird"},
        {"<ul><li>one</li><li>two <em>three</em></li></ul><ol><li>four</li></ol>",
         "one\n\ntwo three\n\nfour"},
        {"<table><tr><th>Name</th><td>Age</td></tr><tr><td>Ann</td><td>7</td></tr></table>",
         "Name Age\n\nAnn 7"},
        // References the XML reader knows, HTML's own names that XHTML files use without
        // declaring them, and numeric ones.
        {"<p>&amp; &lt;b&gt; caf&eacute;&mdash;&#x2014;&#233;&nbsp;end</p>", "& <b> café——é end"},
        {"<p>hy\u00ADphen&shy;ated zero\u200Bwidth&#8203;s\uFEFF</p>", "hyphenated zerowidths"},
        {"<p>kept<script>var a = 1;</script> <style>p{}</style>too<svg><text>no</text></svg></p>",
         "kept too"},
        {"<p><![CDATA[a < b]]></p><!-- a comment --><p>c</p>", "a < b\n\nc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(xhtmlToText(page(c.body)).text, c.text) << c.body.toStdString();
}

TEST(PageText, ABrokenPageIsReadAsFarAsItGoesThenWithoutTags) {
    const PageText broken = xhtmlToText(
        page("<p>good</p><p>open <b>bold</p><p>after &amp; <i>more</i></p><p>last</p>"));
    EXPECT_TRUE(broken.text.startsWith("good\n\nopen bold")) << broken.text.toStdString();
    EXPECT_TRUE(broken.text.contains("after & more")) << broken.text.toStdString();
    EXPECT_TRUE(broken.text.endsWith("last")) << broken.text.toStdString();
    EXPECT_FALSE(broken.text.contains('<'));

    // Nested entities that would grow to gigabytes stop at the reader's limit.
    QByteArray bomb = "<?xml version=\"1.0\"?><!DOCTYPE html [<!ENTITY a \"aaaaaaaaaa\">";
    for (char c = 'b'; c <= 'k'; ++c)
        bomb += QByteArray("<!ENTITY ") + c + " \"" + QByteArray("&").append(char(c - 1)).append(';').repeated(10) + "\">";
    bomb += "]><html><body><p>before</p><p>&k;</p><p>after</p></body></html>";
    const PageText bounded = xhtmlToText(bomb);
    EXPECT_TRUE(bounded.text.startsWith("before"));
    EXPECT_TRUE(bounded.text.endsWith("after"));
    EXPECT_LT(bounded.text.size(), 100000);
}

TEST(PageText, PastedHtmlNeedNotBeWellFormed) {
    EXPECT_EQ(htmlToText(u"<meta charset='utf-8'><div><b>Hi</b> there<p>Next<br>line"
                         u"<P CLASS=x>&copy; 2026 <script>if (a<b) x();</script>me")
                  .text,
              "Hi there\n\nNext\nline\n\n© 2026 me");
    EXPECT_EQ(htmlToText(u"a < b and c<>d <!doctype html>e").text, "a < b and c<>d e");
}
