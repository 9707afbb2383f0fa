#include "chart/values/cf_Stack.h"

cf_Stack::~cf_Stack()
{
    // Drains by cells, so a null item cannot stop the draining early.
    while (top)
        Pop();
}

cf_StackCell *cf_Stack::Push(void *item)
{
    top = new cf_StackCell{item, top};
    return top;
}

void *cf_Stack::Pop()
{
    if (!top)
        return nullptr;
    cf_StackCell *cell = top;
    void *item = cell->item;
    top = cell->next;
    delete cell;
    return item;
}

void *cf_Stack::At(int depth) const
{
    cf_StackCell *cell = top;
    while (cell && depth-- > 0)
        cell = cell->next;
    return cell ? cell->item : nullptr;
}
