#include "DisplayOrder.h"

#include <QCollator>

#include <algorithm>
#include <numeric>

namespace belltide {

namespace {

const QCollator& Collator()
{
    static const QCollator collator = [] {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(true);
        return c;
    }();
    return collator;
}

// Where a grade stands in a school's order; above every grade for text that
// names none.
int GradeRank(const QString& grade)
{
    constexpr int kUnknown = 1000;
    QString text = grade.trimmed().toLower();
    text.remove(u'-').remove(u' ').remove(u'.');
    if (text.startsWith(QStringLiteral("grade")))
        text = text.mid(5);
    if (text == QStringLiteral("prek") || text == QStringLiteral("pk") || text == QStringLiteral("prekindergarten")
        || text == QStringLiteral("tk") || text == QStringLiteral("transitionalkindergarten"))
        return -1;
    if (text == QStringLiteral("k") || text == QStringLiteral("kg") || text.startsWith(QStringLiteral("kinder")))
        return 0;
    qsizetype digits = 0;
    while (digits < text.size() && text[digits].isDigit())
        ++digits;
    return digits > 0 && digits < 4 ? text.left(digits).toInt() : kUnknown;
}

} // namespace

bool GradeComesBefore(const QString& a, const QString& b)
{
    const int rankA = GradeRank(a);
    const int rankB = GradeRank(b);
    if (rankA != rankB)
        return rankA < rankB;
    return ComesBefore(a, b);
}

bool ComesBefore(const QString& a, const QString& b)
{
    return Collator().compare(a, b) < 0;
}

std::vector<std::size_t> DisplayOrder(const QStringList& texts)
{
    std::vector<std::size_t> order(std::size_t(texts.size()));
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(),
        [&](std::size_t a, std::size_t b) { return ComesBefore(texts[qsizetype(a)], texts[qsizetype(b)]); });
    return order;
}

QStringList DistinctSorted(const QStringList& texts)
{
    QStringList distinct;
    for (const QString& text : texts) {
        const bool seen = std::any_of(distinct.begin(), distinct.end(),
            [&](const QString& known) { return known.compare(text, Qt::CaseInsensitive) == 0; });
        if (!seen)
            distinct.push_back(text);
    }
    std::stable_sort(distinct.begin(), distinct.end(), ComesBefore);
    return distinct;
}

} // namespace belltide
