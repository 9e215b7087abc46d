#include "calc/calc_host.h"

#include "calc/units.h"
#include "calc/view_data.h"
#include "text/cp932.h"

#include <com/sun/star/awt/Key.hpp>
#include <com/sun/star/awt/KeyEvent.hpp>
#include <com/sun/star/awt/PosSize.hpp>
#include <com/sun/star/awt/Rectangle.hpp>
#include <com/sun/star/awt/XTopWindow.hpp>
#include <com/sun/star/awt/XUserInputInterception.hpp>
#include <com/sun/star/awt/XWindow2.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/bridge/BridgeFactory.hpp>
#include <com/sun/star/bridge/XBridge.hpp>
#include <com/sun/star/connection/Connector.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/document/DocumentEvent.hpp>
#include <com/sun/star/document/XDocumentEventBroadcaster.hpp>
#include <com/sun/star/document/XDocumentEventListener.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/DispatchHelper.hpp>
#include <com/sun/star/frame/TerminationVetoException.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/frame/XDispatchHelper.hpp>
#include <com/sun/star/frame/XDispatchProvider.hpp>
#include <com/sun/star/frame/XDispatchProviderInterception.hpp>
#include <com/sun/star/frame/XDispatchProviderInterceptor.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XTerminateListener.hpp>
#include <com/sun/star/frame/XTitle.hpp>
#include <com/sun/star/frame/theGlobalEventBroadcaster.hpp>
#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/lang/Locale.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/lang/XEventListener.hpp>
#include <com/sun/star/sheet/CellInsertMode.hpp>
#include <com/sun/star/sheet/XCellRangeAddressable.hpp>
#include <com/sun/star/sheet/XCellRangeData.hpp>
#include <com/sun/star/sheet/XCellRangeMovement.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/sheet/XSpreadsheetView.hpp>
#include <com/sun/star/sheet/XSpreadsheets.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>
#include <com/sun/star/table/CellHoriJustify.hpp>
#include <com/sun/star/table/CellRangeAddress.hpp>
#include <com/sun/star/table/XCellRange.hpp>
#include <com/sun/star/table/XColumnRowRange.hpp>
#include <com/sun/star/table/XTableColumns.hpp>
#include <com/sun/star/table/XTableRows.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/util/XModifyBroadcaster.hpp>
#include <com/sun/star/util/XModifyListener.hpp>
#include <com/sun/star/util/XNumberFormats.hpp>
#include <com/sun/star/util/XNumberFormatsSupplier.hpp>
#include <com/sun/star/view/XSelectionChangeListener.hpp>
#include <com/sun/star/view/XSelectionSupplier.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <cppuhelper/implbase1.hxx>
#include <cppuhelper/implbase2.hxx>
#include <cppuhelper/implbase3.hxx>
#include <osl/file.hxx>
#include <rtl/bootstrap.hxx>
#include <rtl/ustring.hxx>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <mutex>
#include <optional>
#include <thread>

namespace calc {

namespace uno = com::sun::star::uno;
namespace lang = com::sun::star::lang;
namespace frame = com::sun::star::frame;
namespace css_sheet = com::sun::star::sheet;
namespace table = com::sun::star::table;
namespace container = com::sun::star::container;
namespace beans = com::sun::star::beans;
namespace awt = com::sun::star::awt;
namespace util = com::sun::star::util;
namespace view = com::sun::star::view;
namespace document = com::sun::star::document;
namespace style = com::sun::star::style;

using rtl::OString;
using rtl::OUString;
using sheet::CellRef;
using sheet::SpreadsheetError;
using sheet::SpreadsheetEvent;
using sheet::SpreadsheetEventKind;
using uno::Reference;
using uno::Sequence;
using uno::UNO_QUERY;
using uno::UNO_QUERY_THROW;

namespace {

// ---- Text ----------------------------------------------------------------------------

OUString toOUString(std::string_view utf8)
{
    return OUString(utf8.data(), static_cast<sal_Int32>(utf8.size()), RTL_TEXTENCODING_UTF8);
}

OUString fromCp932(const std::string& cp932) { return toOUString(text::toUtf8(cp932)); }

std::string utf8Of(const OUString& s)
{
    const OString o = OUStringToOString(s, RTL_TEXTENCODING_UTF8);
    return std::string(o.getStr(), static_cast<size_t>(o.getLength()));
}

// A sheet may hold characters that CP932 cannot; each is read as the substitution mark "〓"
// (CP932 0x81 0xAC) so that the rest of the text survives and the gap is visible.
std::string toCp932(const OUString& s)
{
    const std::string utf8 = utf8Of(s);
    if (auto whole = text::toCp932(utf8))
        return *whole;
    std::string out;
    for (sal_Int32 i = 0; i < s.getLength();) {
        const sal_Int32 start = i;
        s.iterateCodePoints(&i);
        auto one = text::toCp932(utf8Of(s.copy(start, i - start)));
        out += one ? *one : std::string("\x81\xAC");
    }
    return out;
}

std::string numberText(double value)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    return buf;
}

// ---- UNO local side --------------------------------------------------------------------

Reference<uno::XComponentContext> localContext()
{
    static std::once_flag once;
    static Reference<uno::XComponentContext> context;
    static std::string failure;
    std::call_once(once, [] {
        try {
            // Without the office's own types the local side crashes on the first call.
            rtl::Bootstrap::set(
                "URE_BOOTSTRAP",
                "vnd.sun.star.pathname:/usr/lib/libreoffice/program/fundamentalrc");
            context = cppu::defaultBootstrap_InitialComponentContext();
        } catch (const uno::Exception& e) {
            failure = utf8Of(e.Message);
        }
    });
    if (!context.is())
        throw SpreadsheetError("UNO bootstrap failed: " + failure);
    return context;
}

// ---- Events ----------------------------------------------------------------------------

constexpr std::array<std::pair<const char*, sal_Int16>, 14> kInertKeyNames{{
    {"{BS}", awt::Key::BACKSPACE}, {"{DELETE}", awt::Key::DELETE},
    {"{F1}", awt::Key::F1},        {"{F2}", awt::Key::F2},
    {"{F3}", awt::Key::F3},        {"{F4}", awt::Key::F4},
    {"{F5}", awt::Key::F5},        {"{F6}", awt::Key::F6},
    {"{F7}", awt::Key::F7},        {"{F8}", awt::Key::F8},
    {"{F9}", awt::Key::F9},        {"{F10}", awt::Key::F10},
    {"{F11}", awt::Key::F11},      {"{F12}", awt::Key::F12},
}};

}  // namespace

// What the listeners on the bridge's threads share with the host. They decide from atomic
// state only and never wait for the UI thread.
struct EventSink final : std::enable_shared_from_this<EventSink> {
    std::mutex mutex;
    sheet::SpreadsheetHost::EventListener listener;
    std::function<void(std::function<void()>)> post;

    std::atomic<bool> dead{false};
    std::atomic<bool> refuseUserClose{false};
    std::atomic<int> ownClose{0};               // closes and quits made by the host itself
    std::atomic<uint32_t> inertKeys{0};         // bit i: kInertKeyNames[i]
    std::atomic<unsigned> generation{0};        // bumped when the active workbook may change
    std::atomic<bool> selectionPending{false};  // Calc repeats a selection change 3-4 times

    bool closeRefused() const { return refuseUserClose && ownClose == 0; }

    void emit(SpreadsheetEventKind kind)
    {
        if (kind == SpreadsheetEventKind::SheetSelectionChange && selectionPending.exchange(true))
            return;
        auto self = shared_from_this();
        auto deliver = [self, kind] {
            if (kind == SpreadsheetEventKind::SheetSelectionChange)
                self->selectionPending = false;
            sheet::SpreadsheetHost::EventListener l;
            {
                std::lock_guard lock(self->mutex);
                l = self->listener;
            }
            if (l)
                l(SpreadsheetEvent{kind, {}, {}});
        };
        std::function<void(std::function<void()>)> p;
        {
            std::lock_guard lock(mutex);
            p = post;
        }
        if (p)
            p(deliver);
        else
            deliver();
    }
};

namespace {

class BridgeWatch final : public cppu::WeakImplHelper1<lang::XEventListener> {
public:
    explicit BridgeWatch(std::shared_ptr<EventSink> sink) : sink_(std::move(sink)) {}
    void SAL_CALL disposing(const lang::EventObject&) override { sink_->dead = true; }

private:
    std::shared_ptr<EventSink> sink_;
};

// Selection and the keyboard of one spreadsheet view.
//
// There is no activation listener: Calc hands it a sheet object made for the event alone,
// and the bridge's writer thread, freeing that object after sending, waits for the office's
// lock while the office thread holding it waits for the writer to send the selection event
// that follows. The office hangs. A sheet's activation is told from the selection instead
// (the host's event delivery compares the active sheet).
class ViewWatch final
    : public cppu::WeakImplHelper2<view::XSelectionChangeListener, awt::XKeyHandler> {
public:
    explicit ViewWatch(std::shared_ptr<EventSink> sink) : sink_(std::move(sink)) {}
    void SAL_CALL selectionChanged(const lang::EventObject&) override
    {
        sink_->emit(SpreadsheetEventKind::SheetSelectionChange);
    }
    sal_Bool SAL_CALL keyPressed(const awt::KeyEvent& e) override { return inert(e); }
    sal_Bool SAL_CALL keyReleased(const awt::KeyEvent& e) override { return inert(e); }
    void SAL_CALL disposing(const lang::EventObject&) override {}

private:
    bool inert(const awt::KeyEvent& e) const
    {
        if (e.Modifiers != 0)  // Ctrl+Delete and the like keep working
            return false;
        const uint32_t mask = sink_->inertKeys;
        for (size_t i = 0; i < kInertKeyNames.size(); ++i)
            if ((mask & (1u << i)) && kInertKeyNames[i].second == e.KeyCode)
                return true;
        return false;
    }
    std::shared_ptr<EventSink> sink_;
};

// Changes of a workbook's cells, and the office-wide document events.
class DocumentWatch final
    : public cppu::WeakImplHelper2<util::XModifyListener, document::XDocumentEventListener> {
public:
    explicit DocumentWatch(std::shared_ptr<EventSink> sink) : sink_(std::move(sink)) {}
    void SAL_CALL modified(const lang::EventObject&) override
    {
        sink_->emit(SpreadsheetEventKind::SheetChange);
    }
    // Calls into the office from here could wait for the office's own thread, which waits
    // for this listener: only the event's name is looked at, for documents of every kind.
    void SAL_CALL documentEventOccured(const document::DocumentEvent& e) override
    {
        const OUString& name = e.EventName;
        if (name == "OnFocus" || name == "OnUnload" || name == "OnLoad" || name == "OnNew")
            ++sink_->generation;
        if (name == "OnFocus")
            sink_->emit(SpreadsheetEventKind::WorkbookActivate);
        else if (name == "OnPrint")
            sink_->emit(SpreadsheetEventKind::WorkbookBeforePrint);
        else if (name == "OnPrepareUnload")
            sink_->emit(SpreadsheetEventKind::WorkbookBeforeClose);
    }
    void SAL_CALL disposing(const lang::EventObject&) override {}

private:
    std::shared_ptr<EventSink> sink_;
};

// Refuses the user's ways of closing a workbook window or the office while the program is
// docked and linked. A close listener's veto would stop only closes made through the API.
class CloseGuard final : public cppu::WeakImplHelper1<frame::XDispatchProviderInterceptor> {
public:
    explicit CloseGuard(std::shared_ptr<EventSink> sink) : sink_(std::move(sink)) {}

    Reference<frame::XDispatch> SAL_CALL queryDispatch(const util::URL& url,
                                                       const OUString& target,
                                                       sal_Int32 flags) override
    {
        if (sink_->closeRefused() && isClose(url.Complete))
            return {};
        Reference<frame::XDispatchProvider> slave;
        {
            std::lock_guard lock(mutex_);
            slave = slave_;
        }
        return slave.is() ? slave->queryDispatch(url, target, flags)
                          : Reference<frame::XDispatch>();
    }
    Sequence<Reference<frame::XDispatch>> SAL_CALL
    queryDispatches(const Sequence<frame::DispatchDescriptor>& requests) override
    {
        Sequence<Reference<frame::XDispatch>> result(requests.getLength());
        auto* out = result.getArray();
        for (sal_Int32 i = 0; i < requests.getLength(); ++i)
            out[i] = queryDispatch(requests[i].FeatureURL, requests[i].FrameName,
                                   requests[i].SearchFlags);
        return result;
    }
    Reference<frame::XDispatchProvider> SAL_CALL getSlaveDispatchProvider() override
    {
        std::lock_guard lock(mutex_);
        return slave_;
    }
    void SAL_CALL setSlaveDispatchProvider(const Reference<frame::XDispatchProvider>& p) override
    {
        std::lock_guard lock(mutex_);
        slave_ = p;
    }
    Reference<frame::XDispatchProvider> SAL_CALL getMasterDispatchProvider() override
    {
        std::lock_guard lock(mutex_);
        return master_;
    }
    void SAL_CALL setMasterDispatchProvider(const Reference<frame::XDispatchProvider>& p) override
    {
        std::lock_guard lock(mutex_);
        master_ = p;
    }

private:
    static bool isClose(const OUString& url)
    {
        return url == ".uno:CloseWin" || url == ".uno:CloseDoc" || url == ".uno:CloseFrame" ||
               url == ".uno:Quit";
    }
    std::shared_ptr<EventSink> sink_;
    std::mutex mutex_;
    Reference<frame::XDispatchProvider> slave_;
    Reference<frame::XDispatchProvider> master_;
};

class QuitGuard final : public cppu::WeakImplHelper1<frame::XTerminateListener> {
public:
    explicit QuitGuard(std::shared_ptr<EventSink> sink) : sink_(std::move(sink)) {}
    void SAL_CALL queryTermination(const lang::EventObject&) override
    {
        if (sink_->closeRefused())
            throw frame::TerminationVetoException();
    }
    void SAL_CALL notifyTermination(const lang::EventObject&) override {}
    void SAL_CALL disposing(const lang::EventObject&) override {}

private:
    std::shared_ptr<EventSink> sink_;
};

}  // namespace

// ---- The host --------------------------------------------------------------------------

class CalcHost::Impl {
public:
    explicit Impl(Options o) : options(std::move(o)), sink(std::make_shared<EventSink>())
    {
        sink->post = options.post;
    }

    ~Impl()
    {
        {
            std::lock_guard lock(sink->mutex);
            sink->listener = nullptr;
        }
        try {
            drop(true);
        } catch (...) {
        }
    }

    Options options;
    // The sheet the last delivered selection was on, to tell a sheet's activation.
    const void* lastActiveModel = nullptr;
    OUString lastActiveSheet;
    std::shared_ptr<EventSink> sink;
    std::unique_ptr<OfficeProcess> own;

    Reference<uno::XComponentContext> remote;
    Reference<lang::XComponent> bridge;
    Reference<frame::XDesktop2> desktop;
    Reference<frame::XTerminateListener> quitGuard;
    Reference<document::XDocumentEventListener> documentWatch;

    // The workbook worked on last, and the cache of the active one with its view.
    Reference<frame::XModel> linked;
    Reference<frame::XModel> cachedModel;
    Reference<frame::XController> cachedController;
    unsigned cachedGeneration = ~0u;
    std::vector<Reference<frame::XController>> watchedViews;
    // Takes every listener and interceptor back out of the office. An office left with
    // references into a closed connection aborts the next time it calls them.
    std::vector<std::function<void()>> unregister;
    std::atomic<bool> waiting{false};

    // ---- connection --------------------------------------------------------------

    bool connected() const { return desktop.is() && !sink->dead; }

    void drop(bool disposeBridge)
    {
        if (bridge.is() && !sink->dead) {
            for (auto it = unregister.rbegin(); it != unregister.rend(); ++it) {
                try {
                    (*it)();
                } catch (...) {
                    // a closed document takes its listeners with it
                }
            }
        }
        unregister.clear();
        cachedModel.clear();
        cachedController.clear();
        linked.clear();
        watchedViews.clear();
        quitGuard.clear();
        documentWatch.clear();
        desktop.clear();
        remote.clear();
        if (bridge.is() && disposeBridge && !sink->dead) {
            try {
                bridge->dispose();
            } catch (...) {
            }
        }
        bridge.clear();
        sink->dead = false;
    }

    bool tryConnect()
    {
        const auto local = localContext();
        Reference<com::sun::star::connection::XConnection> connection;
        try {
            connection = com::sun::star::connection::Connector::create(local)->connect(
                "pipe,name=" + toOUString(options.office.pipeName));
        } catch (const com::sun::star::connection::NoConnectException&) {
            return false;
        }
        auto newBridge = com::sun::star::bridge::BridgeFactory::create(local)->createBridge(
            "", "urp", connection, nullptr);
        Reference<uno::XComponentContext> ctx(
            newBridge->getInstance("StarOffice.ComponentContext"), UNO_QUERY_THROW);
        sink->dead = false;
        bridge.set(newBridge, UNO_QUERY_THROW);
        bridge->addEventListener(new BridgeWatch(sink));
        remote = ctx;
        desktop = frame::Desktop::create(remote);

        quitGuard = new QuitGuard(sink);
        desktop->addTerminateListener(quitGuard);
        unregister.push_back([d = desktop, l = quitGuard] { d->removeTerminateListener(l); });
        documentWatch = new DocumentWatch(sink);
        Reference<document::XDocumentEventBroadcaster> events(
            frame::theGlobalEventBroadcaster::get(remote), UNO_QUERY);
        if (events.is()) {
            events->addDocumentEventListener(documentWatch);
            unregister.push_back(
                [events, l = documentWatch] { events->removeDocumentEventListener(l); });
        }
        return true;
    }

    void attach(bool startIfNeeded)
    {
        // An office started only to hand its arguments to a running one ends soon after;
        // reap it, so no finished process lingers.
        if (own)
            own->alive();
        if (connected())
            return;
        drop(true);
        if (tryConnect())
            return;
        if (!startIfNeeded)
            throw SpreadsheetError("no office is running");
        if (!own || !own->alive()) {
            own = std::make_unique<OfficeProcess>(options.office);
            if (!own->start())
                throw SpreadsheetError("the office cannot be started");
        }
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(options.connectTimeoutMs);
        int pause = 50;
        while (std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(pause));
            pause = std::min(pause * 2, 250);
            if (tryConnect())
                return;
            // An office that ended with 0 handed its arguments to one already running on the
            // same profile: keep trying, that one accepts now. Any other end is a failure.
            if (!own->alive() && own->exitCode() != 0)
                throw SpreadsheetError("the office ended while starting");
        }
        throw SpreadsheetError("the office did not answer in time");
    }

    // Runs one operation: attaches, and maps every failure to SpreadsheetError.
    template <class F>
    auto run(F&& f, bool startIfNeeded = false) -> decltype(f())
    {
        if (waiting)
            throw SpreadsheetError("the spreadsheet waits for an answer");
        try {
            attach(startIfNeeded);
            return f();
        } catch (const SpreadsheetError&) {
            forgetCache();
            throw;
        } catch (const lang::DisposedException& e) {
            // The office died, or an object of it was closed: both start from a fresh link.
            sink->dead = true;
            throw SpreadsheetError("the office is gone: " + utf8Of(e.Message));
        } catch (const uno::Exception& e) {
            forgetCache();
            throw SpreadsheetError(utf8Of(e.Message));
        } catch (const std::exception& e) {
            forgetCache();
            throw SpreadsheetError(e.what());
        }
    }

    // Runs a call that may wait for the user to answer a question of Calc's own on another
    // thread, keeping the UI alive through whileWaiting.
    template <class F>
    void runWaiting(F&& f)
    {
        if (!options.whileWaiting) {
            f();
            return;
        }
        std::exception_ptr failure;
        std::atomic<bool> done{false};
        waiting = true;
        std::thread worker([&] {
            try {
                f();
            } catch (...) {
                failure = std::current_exception();
            }
            done = true;
        });
        while (!done) {
            options.whileWaiting();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        worker.join();
        waiting = false;
        if (failure)
            std::rethrow_exception(failure);
    }

    void forgetCache()
    {
        cachedModel.clear();
        cachedController.clear();
    }

    // ---- documents ---------------------------------------------------------------

    std::vector<Reference<frame::XModel>> documents()
    {
        std::vector<Reference<frame::XModel>> models;
        auto e = desktop->getComponents()->createEnumeration();
        while (e->hasMoreElements()) {
            Reference<frame::XModel> model(e->nextElement(), UNO_QUERY);
            if (model.is())
                models.push_back(model);
        }
        return models;
    }

    static bool isWorkbook(const Reference<frame::XModel>& model)
    {
        return Reference<css_sheet::XSpreadsheetDocument>(model, UNO_QUERY).is();
    }

    // The active workbook: the office's current component when it is a workbook, else the
    // workbook linked last while it is open, else the first open workbook. Null when the
    // office holds none.
    Reference<frame::XModel> findActive()
    {
        if (cachedModel.is() && cachedGeneration == sink->generation)
            return cachedModel;
        const unsigned generation = sink->generation;
        Reference<frame::XModel> found(desktop->getCurrentComponent(), UNO_QUERY);
        if (!found.is() || !isWorkbook(found)) {
            found.clear();
            Reference<frame::XModel> first;
            for (const auto& model : documents()) {
                if (!isWorkbook(model))
                    continue;
                if (!first.is())
                    first = model;
                if (linked.is() && model == linked)
                    found = model;
            }
            if (!found.is())
                found = first;
        }
        if (!found.is())
            return {};
        Reference<frame::XController> controller = found->getCurrentController();
        if (!controller.is())
            return {};
        link(found, controller);
        cachedGeneration = generation;
        return found;
    }

    void link(const Reference<frame::XModel>& model, const Reference<frame::XController>& controller)
    {
        linked = model;
        cachedModel = model;
        cachedController = controller;
        watch(model, controller);
    }

    Reference<frame::XModel> activeModel()
    {
        auto model = findActive();
        if (!model.is())
            throw SpreadsheetError("no workbook is open");
        return model;
    }

    Reference<frame::XController> activeController()
    {
        activeModel();
        return cachedController;
    }

    Reference<css_sheet::XSpreadsheet> activeSheet()
    {
        Reference<css_sheet::XSpreadsheetView> view(activeController(), UNO_QUERY_THROW);
        auto s = view->getActiveSheet();
        if (!s.is())
            throw SpreadsheetError("no active sheet");
        return s;
    }

    Reference<table::XCellRange> range(CellRef from, CellRef to)
    {
        checkCell(from);
        checkCell(to);
        return activeSheet()->getCellRangeByPosition(
            std::min(from.column, to.column) - 1, std::min(from.row, to.row) - 1,
            std::max(from.column, to.column) - 1, std::max(from.row, to.row) - 1);
    }

    static void checkCell(CellRef c)
    {
        if (c.column < 1 || c.row < 1)
            throw SpreadsheetError("cell address out of range");
    }

    Reference<awt::XWindow> mainWindow()
    {
        auto frame = activeController()->getFrame();
        if (!frame.is())
            throw SpreadsheetError("the workbook has no window");
        return frame->getContainerWindow();
    }

    // Listens to a workbook's view once: selection, sheet activation, keys, changes, and the
    // user's close commands.
    void watch(const Reference<frame::XModel>& model, const Reference<frame::XController>& controller)
    {
        for (const auto& v : watchedViews)
            if (v == controller)
                return;
        watchedViews.push_back(controller);
        auto* viewWatch = new ViewWatch(sink);
        Reference<view::XSelectionChangeListener> selectionWatch(viewWatch);
        Reference<awt::XKeyHandler> keyWatch(viewWatch);
        if (Reference<view::XSelectionSupplier> s{controller, UNO_QUERY}; s.is()) {
            s->addSelectionChangeListener(selectionWatch);
            unregister.push_back([s, selectionWatch] { s->removeSelectionChangeListener(selectionWatch); });
        }
        if (Reference<awt::XUserInputInterception> i{controller, UNO_QUERY}; i.is()) {
            i->addKeyHandler(keyWatch);
            unregister.push_back([i, keyWatch] { i->removeKeyHandler(keyWatch); });
        }
        if (Reference<util::XModifyBroadcaster> m{model, UNO_QUERY}; m.is() && documentWatch.is()) {
            Reference<util::XModifyListener> modifyWatch(documentWatch, UNO_QUERY);
            m->addModifyListener(modifyWatch);
            unregister.push_back([m, modifyWatch] { m->removeModifyListener(modifyWatch); });
        }
        if (Reference<frame::XDispatchProviderInterception> d{controller->getFrame(), UNO_QUERY};
            d.is()) {
            Reference<frame::XDispatchProviderInterceptor> guard(new CloseGuard(sink));
            d->registerDispatchProviderInterceptor(guard);
            unregister.push_back([d, guard] { d->releaseDispatchProviderInterceptor(guard); });
        }
    }

    Reference<frame::XModel> load(const OUString& url)
    {
        Reference<frame::XComponentLoader> loader(desktop, UNO_QUERY_THROW);
        auto component = loader->loadComponentFromURL(url, "_blank", 0, {});
        Reference<frame::XModel> model(component, UNO_QUERY);
        if (!model.is())
            throw SpreadsheetError("the office did not open the file");
        if (!isWorkbook(model)) {
            // Not a workbook: this host opened it, so it closes it again.
            Reference<util::XCloseable> closeable(model, UNO_QUERY);
            ++sink->ownClose;
            try {
                if (closeable.is())
                    closeable->close(true);
            } catch (...) {
            }
            --sink->ownClose;
            throw SpreadsheetError("the file is not a workbook");
        }
        ++sink->generation;
        link(model, model->getCurrentController());
        cachedGeneration = sink->generation;
        return model;
    }

    Reference<beans::XPropertySet> pageStyle()
    {
        Reference<beans::XPropertySet> sheetProps(activeSheet(), UNO_QUERY_THROW);
        OUString styleName;
        sheetProps->getPropertyValue("PageStyle") >>= styleName;
        Reference<style::XStyleFamiliesSupplier> families(activeModel(), UNO_QUERY_THROW);
        Reference<container::XNameAccess> pageStyles(
            families->getStyleFamilies()->getByName("PageStyles"), UNO_QUERY_THROW);
        return Reference<beans::XPropertySet>(pageStyles->getByName(styleName), UNO_QUERY_THROW);
    }

    std::string cellString(const uno::Any& value)
    {
        OUString s;
        if (value >>= s)
            return toCp932(s);
        double d = 0;
        if (value >>= d)
            return numberText(d);
        return {};
    }
};

CalcHost::CalcHost(Options options) : impl_(std::make_unique<Impl>(std::move(options)))
{
    // A write into the pipe of an office that has just died raises SIGPIPE, which would end
    // the program; the failed write is reported as an exception instead.
    struct sigaction current {};
    if (sigaction(SIGPIPE, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
        std::signal(SIGPIPE, SIG_IGN);
}

CalcHost::~CalcHost() = default;

void CalcHost::attach(bool startIfNeeded)
{
    impl_->run([] {}, startIfNeeded);
}

void CalcHost::detach() { impl_->drop(true); }

OfficeProcess* CalcHost::ownOffice() { return impl_->own.get(); }

CalcHost::CellStyle CalcHost::cellStyle(CellRef cell)
{
    return impl_->run([&] {
        CellStyle style;
        Reference<beans::XPropertySet> props(impl_->range(cell, cell), UNO_QUERY_THROW);
        sal_Int32 key = 0;
        props->getPropertyValue("NumberFormat") >>= key;
        Reference<util::XNumberFormatsSupplier> supplier(impl_->activeModel(), UNO_QUERY_THROW);
        OUString code;
        supplier->getNumberFormats()->getByKey(key)->getPropertyValue("FormatString") >>= code;
        style.numberFormat = utf8Of(code);
        table::CellHoriJustify horizontal = table::CellHoriJustify_STANDARD;
        props->getPropertyValue("HoriJustify") >>= horizontal;
        sal_Int32 vertical = 0;
        props->getPropertyValue("VertJustify") >>= vertical;
        style.centred = horizontal == table::CellHoriJustify_CENTER && vertical == 2;
        props->getPropertyValue("IsTextWrapped") >>= style.wrapped;
        return style;
    });
}

int CalcHost::documentCount()
{
    return impl_->run([&] { return static_cast<int>(impl_->documents().size()); });
}

bool CalcHost::isRunning() const
{
    try {
        impl_->run([] {});
        return true;
    } catch (const SpreadsheetError&) {
        return false;
    }
}

bool CalcHost::isVisible() const
{
    try {
        return impl_->run([&] {
            auto model = impl_->findActive();
            if (!model.is())
                return false;
            Reference<awt::XWindow2> window(impl_->mainWindow(), UNO_QUERY);
            return window.is() && window->isVisible();
        });
    } catch (const SpreadsheetError&) {
        return false;
    }
}

void CalcHost::show()
{
    impl_->run([&] { impl_->mainWindow()->setVisible(true); });
}

void CalcHost::maximizeActiveWindow()
{
    // Each Calc workbook is its own top-level window, sized with the main window; this only
    // makes sure the workbook's window is there and shown.
    impl_->run([&] { impl_->mainWindow()->setVisible(true); });
}

CellRef CalcHost::activeCell()
{
    return impl_->run([&] {
        OUString data;
        impl_->activeController()->getViewData() >>= data;
        auto cell = activeCellFromViewData(utf8Of(data));
        if (!cell)
            throw SpreadsheetError("the active cell cannot be read");
        return *cell;
    });
}

std::string CalcHost::activeCellValue() { return cellText(activeCell()); }

sheet::RowSpan CalcHost::selectedRows()
{
    return impl_->run([&] {
        Reference<view::XSelectionSupplier> supplier(impl_->activeController(), UNO_QUERY_THROW);
        Reference<css_sheet::XCellRangeAddressable> addressable(supplier->getSelection(),
                                                                UNO_QUERY);
        if (!addressable.is()) {
            // Several ranges or a drawing object: the row of the active cell.
            return sheet::RowSpan{activeCell().row, 1};
        }
        const auto a = addressable->getRangeAddress();
        return sheet::RowSpan{a.StartRow + 1, a.EndRow - a.StartRow + 1};
    });
}

void CalcHost::makeKeysInert(const std::vector<std::string>& keys)
{
    impl_->run([&] {
        uint32_t mask = impl_->sink->inertKeys;
        for (const auto& key : keys)
            for (size_t i = 0; i < kInertKeyNames.size(); ++i)
                if (key == kInertKeyNames[i].first)
                    mask |= 1u << i;
        impl_->sink->inertKeys = mask;
        impl_->findActive();  // the active view gets its key handler now
    });
}

void CalcHost::quit()
{
    if (!isRunning())
        return;
    bool ended = false;
    impl_->run([&] {
        if (!impl_->documents().empty())
            return;  // other documents live in this office: leave it running
        ++impl_->sink->ownClose;
        try {
            impl_->desktop->terminate();
        } catch (const lang::DisposedException&) {
            // the office went away while answering: it has ended
        }
        --impl_->sink->ownClose;
        ended = true;
    });
    impl_->drop(!ended);
    if (ended && impl_->own)
        impl_->own->waitForExit(10000);
}

void CalcHost::openWorkbook(const std::string& path)
{
    impl_->run(
        [&] {
            OUString url;
            if (osl::FileBase::getFileURLFromSystemPath(toOUString(path), url) !=
                osl::FileBase::E_None)
                throw SpreadsheetError("not a file path");
            impl_->load(url);
        },
        true);
}

void CalcHost::newWorkbook()
{
    impl_->run([&] { impl_->load("private:factory/scalc"); }, true);
}

bool CalcHost::hasActiveWorkbook()
{
    return impl_->run([&] { return impl_->findActive().is(); });
}

std::string CalcHost::activeWorkbookName()
{
    return impl_->run([&] {
        auto model = impl_->activeModel();
        const OUString url = model->getURL();
        if (!url.isEmpty()) {
            OUString path;
            if (osl::FileBase::getSystemPathFromFileURL(url, path) == osl::FileBase::E_None) {
                const sal_Int32 slash = path.lastIndexOf('/');
                return toCp932(path.copy(slash + 1));
            }
        }
        Reference<frame::XTitle> title(model, UNO_QUERY);
        return title.is() ? toCp932(title->getTitle()) : std::string();
    });
}

void CalcHost::closeActiveWorkbook()
{
    impl_->run([&] {
        auto model = impl_->activeModel();
        Reference<frame::XDispatchProvider> frame(impl_->cachedController->getFrame(),
                                                  UNO_QUERY_THROW);
        auto helper = frame::DispatchHelper::create(impl_->remote);
        impl_->forgetCache();
        impl_->linked.clear();
        ++impl_->sink->generation;
        // The frame's own close command: Calc asks about unsaved changes itself.
        ++impl_->sink->ownClose;
        try {
            impl_->runWaiting([&] { helper->executeDispatch(frame, ".uno:CloseDoc", "_self", 0, {}); });
        } catch (...) {
            --impl_->sink->ownClose;
            throw;
        }
        --impl_->sink->ownClose;
    });
}

std::vector<std::string> CalcHost::sheetNames()
{
    return impl_->run([&] {
        Reference<css_sheet::XSpreadsheetDocument> doc(impl_->activeModel(), UNO_QUERY_THROW);
        std::vector<std::string> names;
        for (const auto& n : doc->getSheets()->getElementNames())
            names.push_back(toCp932(n));
        return names;
    });
}

std::string CalcHost::activeSheetName()
{
    return impl_->run([&] {
        Reference<container::XNamed> named(impl_->activeSheet(), UNO_QUERY_THROW);
        return toCp932(named->getName());
    });
}

void CalcHost::renameActiveSheet(const std::string& name)
{
    impl_->run([&] {
        Reference<container::XNamed> named(impl_->activeSheet(), UNO_QUERY_THROW);
        const OUString wanted = fromCp932(name);
        named->setName(wanted);
        // Calc ignores a used or invalid name without a word: read it back.
        if (named->getName() != wanted)
            throw SpreadsheetError("the sheet name was refused");
    });
}

void CalcHost::activateSheet(const std::string& name)
{
    impl_->run([&] {
        Reference<css_sheet::XSpreadsheetDocument> doc(impl_->activeModel(), UNO_QUERY_THROW);
        Reference<container::XNameAccess> sheets(doc->getSheets(), UNO_QUERY_THROW);
        const OUString wanted = fromCp932(name);
        if (!sheets->hasByName(wanted))
            throw SpreadsheetError("no such sheet");
        Reference<css_sheet::XSpreadsheet> target(sheets->getByName(wanted), UNO_QUERY_THROW);
        Reference<css_sheet::XSpreadsheetView> view(impl_->cachedController, UNO_QUERY_THROW);
        view->setActiveSheet(target);
    });
}

void CalcHost::selectRange(CellRef from, CellRef to)
{
    impl_->run([&] {
        auto r = impl_->range(from, to);
        Reference<view::XSelectionSupplier> supplier(impl_->cachedController, UNO_QUERY_THROW);
        supplier->select(uno::Any(r));
    });
}

std::string CalcHost::cellText(CellRef cell)
{
    return impl_->run([&] {
        Reference<css_sheet::XCellRangeData> data(impl_->range(cell, cell), UNO_QUERY_THROW);
        const auto rows = data->getDataArray();
        return impl_->cellString(rows[0][0]);
    });
}

void CalcHost::setCellText(CellRef cell, const std::string& text)
{
    impl_->run([&] {
        Reference<css_sheet::XCellRangeData> data(impl_->range(cell, cell), UNO_QUERY_THROW);
        Sequence<uno::Any> row(1);
        row.getArray()[0] <<= fromCp932(text);
        Sequence<Sequence<uno::Any>> rows(1);
        rows.getArray()[0] = row;
        data->setDataArray(rows);
    });
}

std::vector<std::vector<std::string>> CalcHost::blockText(CellRef from, CellRef to)
{
    return impl_->run([&] {
        Reference<css_sheet::XCellRangeData> data(impl_->range(from, to), UNO_QUERY_THROW);
        const auto array = data->getDataArray();
        std::vector<std::vector<std::string>> rows;
        rows.reserve(static_cast<size_t>(array.getLength()));
        for (const auto& r : array) {
            auto& row = rows.emplace_back();
            row.reserve(static_cast<size_t>(r.getLength()));
            for (const auto& v : r)
                row.push_back(impl_->cellString(v));
        }
        return rows;
    });
}

namespace {

// Rows of texts as a rectangle: shorter rows padded with empty strings, which empty those
// cells. Nothing for a block without cells.
Sequence<Sequence<OUString>> rectangle(const std::vector<std::vector<std::string>>& rows)
{
    size_t width = 0;
    for (const auto& r : rows)
        width = std::max(width, r.size());
    if (width == 0)
        return {};
    Sequence<Sequence<OUString>> array(static_cast<sal_Int32>(rows.size()));
    auto* out = array.getArray();
    for (size_t r = 0; r < rows.size(); ++r) {
        Sequence<OUString> row(static_cast<sal_Int32>(width));
        auto* cells = row.getArray();
        for (size_t c = 0; c < rows[r].size(); ++c)
            cells[c] = fromCp932(rows[r][c]);
        out[r] = row;
    }
    return array;
}

// A plain decimal number: an optional minus, digits, and decimals after one point.
std::optional<double> plainNumber(const OUString& text)
{
    sal_Int32 i = text.getLength() > 0 && text[0] == u'-' ? 1 : 0;
    int digits = 0;
    bool point = false;
    for (; i < text.getLength(); ++i) {
        if (text[i] >= u'0' && text[i] <= u'9')
            ++digits;
        else if (text[i] == u'.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    return text.toDouble();
}

CellRef bottomRightOf(CellRef topLeft, const Sequence<Sequence<OUString>>& array)
{
    return {topLeft.column + array[0].getLength() - 1, topLeft.row + array.getLength() - 1};
}

}  // namespace

void CalcHost::setBlockText(CellRef topLeft, const std::vector<std::vector<std::string>>& rows)
{
    pasteBlockText(topLeft, rows, {});
}

void CalcHost::pasteBlockText(CellRef topLeft, const std::vector<std::vector<std::string>>& rows,
                              const std::vector<bool>& numberColumns)
{
    impl_->run([&] {
        const auto texts = rectangle(rows);
        if (!texts.hasElements())
            return;
        Sequence<Sequence<uno::Any>> array(texts.getLength());
        auto* out = array.getArray();
        for (sal_Int32 r = 0; r < texts.getLength(); ++r) {
            Sequence<uno::Any> row(texts[r].getLength());
            auto* cells = row.getArray();
            for (sal_Int32 c = 0; c < texts[r].getLength(); ++c) {
                const auto column = static_cast<size_t>(c);
                const bool numbers = column < numberColumns.size() && numberColumns[column];
                if (const auto value = numbers ? plainNumber(texts[r][c]) : std::nullopt)
                    cells[c] <<= *value;
                else
                    cells[c] <<= texts[r][c];  // a string stays text, "0042" included
            }
            out[r] = row;
        }
        Reference<css_sheet::XCellRangeData> data(
            impl_->range(topLeft, bottomRightOf(topLeft, texts)), UNO_QUERY_THROW);
        data->setDataArray(array);
    });
}

void CalcHost::insertCellsShiftDown(CellRef from, CellRef to)
{
    impl_->run([&] {
        auto s = impl_->activeSheet();
        Reference<css_sheet::XCellRangeAddressable> addressable(
            impl_->range(from, to), UNO_QUERY_THROW);
        Reference<css_sheet::XCellRangeMovement> movement(s, UNO_QUERY_THROW);
        movement->insertCells(addressable->getRangeAddress(), css_sheet::CellInsertMode_DOWN);
    });
}

void CalcHost::setTextFormat(CellRef from, CellRef to)
{
    impl_->run([&] {
        Reference<util::XNumberFormatsSupplier> supplier(impl_->activeModel(), UNO_QUERY_THROW);
        auto formats = supplier->getNumberFormats();
        const lang::Locale locale;
        sal_Int32 key = formats->queryKey("@", locale, false);
        if (key < 0)
            key = formats->addNew("@", locale);
        Reference<beans::XPropertySet> props(impl_->range(from, to), UNO_QUERY_THROW);
        props->setPropertyValue("NumberFormat", uno::Any(key));
    });
}

void CalcHost::setCentred(CellRef from, CellRef to)
{
    impl_->run([&] {
        Reference<beans::XPropertySet> props(impl_->range(from, to), UNO_QUERY_THROW);
        props->setPropertyValue("HoriJustify", uno::Any(table::CellHoriJustify_CENTER));
        // VertJustify takes the CellVertJustify2 constants: 2 is centre.
        props->setPropertyValue("VertJustify", uno::Any(sal_Int32(2)));
    });
}

void CalcHost::setWrapText(CellRef from, CellRef to)
{
    impl_->run([&] {
        Reference<beans::XPropertySet> props(impl_->range(from, to), UNO_QUERY_THROW);
        props->setPropertyValue("IsTextWrapped", uno::Any(true));
    });
}

namespace {
Reference<beans::XPropertySet> columnProps(const Reference<css_sheet::XSpreadsheet>& s, int column)
{
    if (column < 1)
        throw SpreadsheetError("column out of range");
    Reference<table::XColumnRowRange> cr(s, UNO_QUERY_THROW);
    return Reference<beans::XPropertySet>(cr->getColumns()->getByIndex(column - 1),
                                          UNO_QUERY_THROW);
}
Reference<beans::XPropertySet> rowProps(const Reference<css_sheet::XSpreadsheet>& s, int row)
{
    if (row < 1)
        throw SpreadsheetError("row out of range");
    Reference<table::XColumnRowRange> cr(s, UNO_QUERY_THROW);
    return Reference<beans::XPropertySet>(cr->getRows()->getByIndex(row - 1), UNO_QUERY_THROW);
}
sal_Int32 hundredths(double value) { return static_cast<sal_Int32>(std::lround(value)); }
}  // namespace

double CalcHost::columnWidth(int column)
{
    return impl_->run([&] {
        sal_Int32 width = 0;
        columnProps(impl_->activeSheet(), column)->getPropertyValue("Width") >>= width;
        return hundredthMmToCharacters(width);
    });
}

void CalcHost::setColumnWidth(int column, double characters)
{
    impl_->run([&] {
        columnProps(impl_->activeSheet(), column)
            ->setPropertyValue("Width", uno::Any(hundredths(charactersToHundredthMm(characters))));
    });
}

double CalcHost::rowHeight(int row)
{
    return impl_->run([&] {
        sal_Int32 height = 0;
        rowProps(impl_->activeSheet(), row)->getPropertyValue("Height") >>= height;
        return hundredthMmToPoints(height);
    });
}

void CalcHost::setRowHeight(int row, double points)
{
    impl_->run([&] {
        rowProps(impl_->activeSheet(), row)
            ->setPropertyValue("Height", uno::Any(hundredths(pointsToHundredthMm(points))));
    });
}

void CalcHost::setSheetFont(const std::string& name, double size)
{
    impl_->run([&] {
        Reference<beans::XPropertySet> props(impl_->activeSheet(), UNO_QUERY_THROW);
        const OUString font = fromCp932(name);
        const auto height = static_cast<float>(size);
        // Japanese text is drawn with the Asian font of a cell, Latin text with the other.
        props->setPropertyValue("CharFontName", uno::Any(font));
        props->setPropertyValue("CharFontNameAsian", uno::Any(font));
        props->setPropertyValue("CharHeight", uno::Any(height));
        props->setPropertyValue("CharHeightAsian", uno::Any(height));
    });
}

sheet::PageMargins CalcHost::pageMargins()
{
    return impl_->run([&] {
        auto style = impl_->pageStyle();
        auto get = [&](const char* name) {
            sal_Int32 v = 0;
            style->getPropertyValue(OUString::createFromAscii(name)) >>= v;
            return hundredthMmToPoints(v);
        };
        return sheet::PageMargins{get("LeftMargin"), get("RightMargin"), get("TopMargin"),
                                  get("BottomMargin")};
    });
}

void CalcHost::setPageMargins(const sheet::PageMargins& margins)
{
    impl_->run([&] {
        auto style = impl_->pageStyle();
        auto set = [&](const char* name, double points) {
            style->setPropertyValue(OUString::createFromAscii(name),
                                    uno::Any(hundredths(pointsToHundredthMm(points))));
        };
        set("LeftMargin", margins.left);
        set("RightMargin", margins.right);
        set("TopMargin", margins.top);
        set("BottomMargin", margins.bottom);
    });
}

sheet::WindowRect CalcHost::mainWindowRect()
{
    return impl_->run([&] {
        const awt::Rectangle r = impl_->mainWindow()->getPosSize();
        return sheet::WindowRect{r.X, r.Y, r.Width, r.Height};
    });
}

void CalcHost::setMainWindowRect(const sheet::WindowRect& rect)
{
    impl_->run([&] {
        impl_->mainWindow()->setPosSize(rect.left, rect.top, rect.width, rect.height,
                                        awt::PosSize::POSSIZE);
    });
}

void CalcHost::raiseMainWindow()
{
    impl_->run([&] {
        Reference<awt::XTopWindow> top(impl_->mainWindow(), UNO_QUERY_THROW);
        top->toFront();
    });
}

void CalcHost::setEventListener(EventListener listener)
{
    EventListener delivered;
    if (listener && impl_->options.post) {
        // Events arrive queued on the UI thread, where the host may be asked: a selection
        // that moved to another sheet (or workbook) is that sheet's activation first.
        delivered = [this, listener = std::move(listener)](const SpreadsheetEvent& event) {
            if (event.kind == SpreadsheetEventKind::SheetSelectionChange && activeSheetMoved())
                listener(SpreadsheetEvent{SpreadsheetEventKind::SheetActivate, {}, {}});
            return listener(event);
        };
    } else {
        delivered = std::move(listener);
    }
    std::lock_guard lock(impl_->sink->mutex);
    impl_->sink->listener = std::move(delivered);
}

bool CalcHost::activeSheetMoved()
{
    try {
        const auto [model, sheet] = impl_->run([&] {
            auto active = impl_->activeModel();
            Reference<container::XNamed> named(impl_->activeSheet(), UNO_QUERY_THROW);
            return std::pair{active.get(), named->getName()};
        });
        if (model == impl_->lastActiveModel && sheet == impl_->lastActiveSheet)
            return false;
        impl_->lastActiveModel = model;
        impl_->lastActiveSheet = sheet;
        return true;
    } catch (const SpreadsheetError&) {
        return false;
    }
}

void CalcHost::setUserCloseRefused(bool refused) { impl_->sink->refuseUserClose = refused; }

}  // namespace calc
