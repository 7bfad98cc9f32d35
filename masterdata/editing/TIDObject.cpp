#include "TIDObject.h"

#include <algorithm>

void SortByText(TIDList &list, const QCollator &order)
{
    std::stable_sort(list.begin(), list.end(),
                     [&](const TIDEntry &a, const TIDEntry &b) { return order.compare(a.Text, b.Text) < 0; });
}

int IndexOfId(const TIDList &list, int id)
{
    for (int i = 0; i < list.size(); ++i)
        if (list.at(i).Object.ID == id)
            return i;
    return -1;
}
