// The RAII owners release exactly once, move ownership, and the COM pointer
// keeps the reference count balanced.
#include <gtest/gtest.h>
#include <utility>
#include "win32/com_ptr.h"
#include "win32/unique_handle.h"

namespace {

TEST(UniqueHandle, ReleasesOnceMovesAndTreatsInvalidHandleValueAsEmpty)
{
    win32::UniqueKernelHandle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    ASSERT_TRUE(event);
    HANDLE raw = event.get();
    win32::UniqueKernelHandle moved(std::move(event));
    EXPECT_FALSE(event);
    EXPECT_EQ(moved.get(), raw);
    DWORD flags;
    EXPECT_TRUE(GetHandleInformation(raw, &flags));
    moved.reset();
    EXPECT_FALSE(GetHandleInformation(raw, &flags));

    win32::UniqueFile file(CreateFileA("Z:\\no\\such\\file", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(file);
    EXPECT_EQ(file.get(), INVALID_HANDLE_VALUE);
    HMENU menu = win32::UniqueMenu(CreatePopupMenu()).get();
    EXPECT_FALSE(IsMenu(menu)) << "a menu goes with its owner";
}

class CountedObject : public IUnknown {
public:
    LONG references = 1;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (IsEqualIID(iid, IID_IUnknown)) {
            *out = this;
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
};

TEST(ComPtr, AdoptTakesOverShareAddsAReference)
{
    CountedObject object;
    {
        auto adopted = win32::ComPtr<IUnknown>::Adopt(&object);
        EXPECT_EQ(object.references, 1);
        auto shared = win32::ComPtr<IUnknown>::Share(&object);
        EXPECT_EQ(object.references, 2);
        auto queried = shared.Query<IUnknown>(IID_IUnknown);
        EXPECT_EQ(object.references, 3);
        auto other = queried.Query<IClassFactory>(IID_IClassFactory);
        EXPECT_FALSE(other);
        win32::ComPtr<IUnknown> moved(std::move(queried));
        EXPECT_EQ(object.references, 3);
    }
    EXPECT_EQ(object.references, 0);
}

}  // namespace
