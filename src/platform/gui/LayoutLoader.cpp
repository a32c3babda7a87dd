#include "platform/gui/LayoutLoader.h"

#include "platform/gui/Form.h"
#include "platform/gui/PropertyRegistry.h"

#include <memory>
#include <string_view>
#include <vector>

namespace qx_layouts {
std::string_view resource(std::string_view name);
std::vector<std::string_view> resourceNames();
} // namespace qx_layouts

namespace qx {

namespace {

constexpr std::string_view kSuffix = ".layout";

class Loader
{
public:
    Loader(TComponent& root, const std::string& file)
        : root_(root), file_(file), rootClass_(ClassRegistry::instance().classOf(root))
    {
    }

    void load(const LayoutObject& top)
    {
        if (!rootClass_)
            fail(top.line, "class " + root_.ClassName() + " is not registered");
        const ClassInfo* declared = ClassRegistry::instance().find(top.className);
        if (!declared)
            fail(top.line, "unknown class " + top.className);
        if (!rootClass_->inheritsFrom(*declared))
            fail(top.line, "the layout is for a " + top.className + ", not a " + rootClass_->name());
        root_.BeginLoading();
        made_.push_back(&root_);
        guard(top.line, [&] { root_.SetName(top.name); });
        apply(root_, top);
        resolveReferences();
        fillFields(top.line);
        for (TComponent* c : made_)
            c->Loaded();
    }

private:
    struct Reference
    {
        TPersistent* object;
        const PropertyInfo* property;
        std::string name;
        int line;
    };

    [[noreturn]] void fail(int line, const std::string& message) const { throw LayoutError(file_, line, message); }

    template <class F>
    void guard(int line, F&& f)
    {
        try {
            f();
        } catch (const LayoutError&) {
            throw;
        } catch (const std::exception& e) {
            fail(line, e.what());
        }
    }

    void apply(TPersistent& target, const LayoutObject& obj)
    {
        for (const LayoutProperty& p : obj.properties)
            setProperty(target, p);
        auto* container = dynamic_cast<TComponent*>(&target);
        for (const LayoutObject& child : obj.children)
            makeChild(container, child);
    }

    void makeChild(TComponent* parent, const LayoutObject& child)
    {
        const ClassInfo* cls = ClassRegistry::instance().find(child.className);
        if (!cls)
            fail(child.line, "unknown class " + child.className);
        if (!cls->create)
            fail(child.line, "class " + child.className + " cannot be made from a layout");
        if (!parent)
            fail(child.line, "object " + child.name + " is not inside a component");
        TComponent* c = nullptr;
        guard(child.line, [&] {
            c = cls->create(&root_);
            c->BeginLoading();
            made_.push_back(c);
            c->SetName(child.name);
            c->SetParentComponent(parent);
        });
        apply(*c, child);
    }

    void setProperty(TPersistent& target, const LayoutProperty& p)
    {
        PropertyTarget t;
        guard(p.line, [&] { t = resolvePropertyPath(target, p.name, true); });
        const PropertyInfo& info = *t.property;
        switch (info.type) {
        case PropertyType::Event:
            bindHandler(*t.object, info, p);
            return;
        case PropertyType::Component:
            if (const Ident* name = std::get_if<Ident>(&p.value))
                references_.push_back({t.object, &info, name->name, p.line});
            else
                fail(p.line, "property " + p.name + " takes the name of a component");
            return;
        case PropertyType::Collection:
            fillCollection(*t.object, info, p);
            return;
        case PropertyType::Object:
            fail(p.line, "property " + p.name + " is an object: set its properties by path");
        default:
            if (p.isCollection)
                fail(p.line, "property " + p.name + " is not a collection");
            guard(p.line, [&] { info.set(*t.object, p.value); });
        }
    }

    void bindHandler(TPersistent& target, const PropertyInfo& info, const LayoutProperty& p)
    {
        const Ident* name = std::get_if<Ident>(&p.value);
        if (!name)
            fail(p.line, "event " + p.name + " takes the name of a method");
        const MethodInfo* method = rootClass_->findMethod(name->name);
        if (!method)
            fail(p.line, "unknown handler " + name->name + " (no published method of " + rootClass_->name() + ")");
        if (method->handlerType != info.eventType)
            fail(p.line, "handler " + name->name + " does not take the parameters of " + p.name);
        info.bindEvent(target, method->makeHandler(root_));
    }

    void fillCollection(TPersistent& target, const PropertyInfo& info, const LayoutProperty& p)
    {
        if (!p.isCollection)
            fail(p.line, "property " + p.name + " is a collection: give its items between < and >");
        TPersistent* object = info.object(target);
        if (auto* reader = dynamic_cast<TOwnedItemsReader*>(object)) {
            fillOwnedItems(*reader, p);
            return;
        }
        auto* collection = dynamic_cast<TCollection*>(object);
        if (!collection)
            fail(p.line, "property " + p.name + " has no collection");
        collection->Clear();
        for (const LayoutObject& item : p.items) {
            TCollectionItem* made = nullptr;
            guard(item.line, [&] { made = collection->Add(); });
            fillItem(*made, item);
        }
    }

    void fillOwnedItems(TOwnedItemsReader& reader, const LayoutProperty& p)
    {
        guard(p.line, [&] { reader.ClearItems(); });
        for (const LayoutObject& item : p.items) {
            TPersistent* made = nullptr;
            guard(item.line, [&] { made = reader.NewItem(); });
            fillItem(*made, item);
            guard(item.line, [&] { reader.ItemRead(*made); });
        }
    }

    void fillItem(TPersistent& made, const LayoutObject& item)
    {
        for (const LayoutProperty& ip : item.properties)
            setProperty(made, ip);
        if (!item.children.empty())
            fail(item.children.front().line, "a collection item holds no objects");
    }

    void resolveReferences()
    {
        for (const Reference& r : references_) {
            TComponent* c = nullptr;
            if (r.name != "nil") {
                c = r.name == root_.Name() ? &root_ : root_.FindComponent(r.name);
                if (!c)
                    fail(r.line, "unknown component " + r.name);
            }
            bool accepted = false;
            guard(r.line, [&] { accepted = r.property->setComponent(*r.object, c); });
            if (!accepted)
                fail(r.line, "component " + r.name + " is a " + c->ClassName() + ", which " + r.property->name +
                                 " does not take");
        }
    }

    void fillFields(int line)
    {
        for (const FieldInfo* f : rootClass_->fields()) {
            TComponent* c = root_.FindComponent(f->name);
            if (!c)
                fail(line, "no component " + f->name + " for the field of " + rootClass_->name());
            if (!f->assign(root_, c))
                fail(line, "component " + f->name + " is a " + c->ClassName() + ", not what the field holds");
        }
    }

    TComponent& root_;
    const std::string& file_;
    const ClassInfo* rootClass_;
    std::vector<TComponent*> made_;
    std::vector<Reference> references_;
};

} // namespace

void loadLayoutText(TComponent& root, std::string_view text, const std::string& file)
{
    const LayoutObject top = parseLayout(text, file);
    Loader(root, file).load(top);
}

void readLayoutText(TComponent& root, std::string_view text, const std::string& file)
{
    const LayoutObject top = parseLayout(text, file);
    if (const ClassInfo* info = ClassRegistry::instance().classOf(root); info && info->create) {
        std::unique_ptr<TComponent> trial;
        try {
            trial.reset(info->create(nullptr));
        } catch (const std::exception& e) {
            throw LayoutError(file, top.line, e.what());
        }
        Loader(*trial, file).load(top);
    }
    Loader(root, file).load(top);
}

std::string_view layoutResource(const std::string& resourceName)
{
    return qx_layouts::resource(resourceName + std::string(kSuffix));
}

std::vector<std::string> layoutResourceNames()
{
    std::vector<std::string> names;
    for (std::string_view n : qx_layouts::resourceNames())
        if (n.size() > kSuffix.size() && n.substr(n.size() - kSuffix.size()) == kSuffix)
            names.emplace_back(n.substr(0, n.size() - kSuffix.size()));
    return names;
}

void loadLayout(TComponent& root, const std::string& resourceName)
{
    const std::string file = resourceName + std::string(kSuffix);
    const std::string_view text = qx_layouts::resource(file);
    if (text.empty())
        throw LayoutError(file, 0, "no layout resource of this name");
    loadLayoutText(root, text, file);
}

} // namespace qx

void TForm::LoadLayout(const std::string& ResourceName) { qx::loadLayout(*this, ResourceName); }
