#include "framework/resources.h"

#include <algorithm>

#include "framework/framework_strings.h"

namespace {

const AfxResourceSet* g_resources = nullptr;

template <typename Resource>
const Resource* FindById(std::span<const Resource> table, UINT id) {
    auto it =
        std::find_if(table.begin(), table.end(), [id](const Resource& r) { return r.id == id; });
    return it != table.end() ? &*it : nullptr;
}

const AfxResourceSet& EmptySet() {
    static const AfxResourceSet empty{};
    return empty;
}

}  // namespace

void AfxSetResources(const AfxResourceSet& resources) {
    g_resources = &resources;
}

const AfxResourceSet& AfxGetResources() {
    return g_resources != nullptr ? *g_resources : EmptySet();
}

const char* AfxFindString(UINT id) {
    if (const StringResource* s = FindById(AfxGetResources().strings, id)) {
        return s->text;
    }
    if (const StringResource* s = FindById(FrameworkStrings(), id)) {
        return s->text;
    }
    return nullptr;
}

const DialogTemplate* AfxFindDialog(UINT id) {
    const DialogResource* d = FindById(AfxGetResources().dialogs, id);
    return d != nullptr ? d->dialog : nullptr;
}

std::span<const BYTE> AfxFindDialogInit(UINT id) {
    const BinaryResource* r = FindById(AfxGetResources().dialogInits, id);
    return r != nullptr ? r->bytes : std::span<const BYTE>{};
}

std::span<const MenuItemTemplate> AfxFindMenu(UINT id) {
    const MenuResource* r = FindById(AfxGetResources().menus, id);
    return r != nullptr ? r->items : std::span<const MenuItemTemplate>{};
}

std::span<const ACCEL> AfxFindAccelerators(UINT id) {
    const AcceleratorResource* r = FindById(AfxGetResources().accelerators, id);
    return r != nullptr ? r->entries : std::span<const ACCEL>{};
}

std::span<const BYTE> AfxFindToolbar(UINT id) {
    const BinaryResource* r = FindById(AfxGetResources().toolbars, id);
    return r != nullptr ? r->bytes : std::span<const BYTE>{};
}

std::span<const BYTE> AfxFindBitmap(UINT id) {
    const BinaryResource* r = FindById(AfxGetResources().bitmaps, id);
    return r != nullptr ? r->bytes : std::span<const BYTE>{};
}

std::span<const BYTE> AfxFindIcon(UINT id) {
    const BinaryResource* r = FindById(AfxGetResources().icons, id);
    return r != nullptr ? r->bytes : std::span<const BYTE>{};
}
