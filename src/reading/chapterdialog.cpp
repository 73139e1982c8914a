#include "reading/chapterdialog.h"

#include "book/epub_book.h"
#include "platform/modal.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

ChapterDialog::ChapterDialog(QWidget* parent, const Book& book)
    : QDialog(parent), list_(new QTreeWidget(this)) {
    setWindowTitle(QStringLiteral("Choose Chapter"));
    list_->setColumnCount(2);
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(book.chapters.size()));
    int number = 0;
    for (const BookChapter& c : book.chapters) {
        auto* item = new QTreeWidgetItem;
        // Padded with figure spaces, as wide as a digit, so the numbers line up.
        QString n = QString::asprintf("%3i", ++number);
        n.replace(u' ', QChar(0x2007));
        item->setText(0, n + QStringLiteral("   ") + c.title);
        item->setText(1, QString::number(c.words));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        items << item;
    }
    list_->addTopLevelItems(items);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list_->setCurrentItem(list_->topLevelItem(0));
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        list_->setCurrentItem(item);
        accept();
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(480, 360);
}

int ChapterDialog::chosen() const {
    QTreeWidgetItem* item = list_->currentItem();
    return item ? list_->indexOfTopLevelItem(item) : -1;
}

std::optional<int> ChapterDialog::choose(QWidget* parent, const Book& book) {
    ChapterDialog dialog(parent, book);
    if (Modal::runModal(dialog) != QDialog::Accepted || dialog.chosen() < 0) return {};
    return dialog.chosen();
}
