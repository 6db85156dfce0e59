#include "desktop_duplication.h"

#include <d3d11.h>
#include <dxgi1_5.h>

#include <cstring>

namespace tintwell::win32 {

// A COM pointer released with its owner. Not file-local, as the session below,
// declared in the header, holds them.
template <typename T>
class DuplicationCom {
  public:
    DuplicationCom() = default;
    ~DuplicationCom() { Reset(); }
    DuplicationCom(const DuplicationCom &) = delete;
    DuplicationCom &operator=(const DuplicationCom &) = delete;
    T *get() const { return p_; }
    T *operator->() const { return p_; }
    T **Out() {
        Reset();
        return &p_;
    }
    void Reset() {
        if (p_ != nullptr) p_->Release();
        p_ = nullptr;
    }

  private:
    T *p_ = nullptr;
};

namespace {

// The first frame of a new duplication may take a moment; later ones are taken only
// when they are there, the kept frame standing for a still desktop.
constexpr UINT kFirstFrameWaitMs = 200;
// How long a monitor whose duplication was refused reads through GDI before the next
// try.
constexpr ULONGLONG kRetryAfterMs = 2000;

using CreateFactory = HRESULT(WINAPI *)(REFIID, void **);

}  // namespace

struct DesktopDuplication::Session {
    ScreenRect monitor{0, 0, 0, 0};
    DuplicationCom<ID3D11Device> device;
    DuplicationCom<ID3D11DeviceContext> context;
    DuplicationCom<IDXGIOutputDuplication> duplication;
    // The last frame, and where the area read is copied to for the processor.
    DuplicationCom<ID3D11Texture2D> kept;
    DuplicationCom<ID3D11Texture2D> staging;
    UINT stagingWidth = 0;
    UINT stagingHeight = 0;

    // False when the duplication is lost (a mode change, a desktop switch).
    bool TakeNewFrame() {
        DXGI_OUTDUPL_FRAME_INFO frame{};
        DuplicationCom<IDXGIResource> resource;
        const HRESULT taken = duplication->AcquireNextFrame(
            kept.get() == nullptr ? kFirstFrameWaitMs : 0, &frame, resource.Out());
        if (taken == DXGI_ERROR_WAIT_TIMEOUT) return kept.get() != nullptr;
        if (FAILED(taken)) return false;
        bool ok = false;
        DuplicationCom<ID3D11Texture2D> texture;
        if (SUCCEEDED(resource->QueryInterface(__uuidof(ID3D11Texture2D),
                                               reinterpret_cast<void **>(texture.Out())))) {
            D3D11_TEXTURE2D_DESC desc{};
            texture->GetDesc(&desc);
            if (kept.get() == nullptr) {
                desc.Usage = D3D11_USAGE_DEFAULT;
                desc.BindFlags = 0;
                desc.CPUAccessFlags = 0;
                desc.MiscFlags = 0;
                device->CreateTexture2D(&desc, nullptr, kept.Out());
            }
            if (kept.get() != nullptr) {
                context->CopyResource(kept.get(), texture.get());
                ok = true;
            }
        }
        duplication->ReleaseFrame();
        return ok;
    }

    bool ReadArea(const ScreenRect &area, std::vector<ScRgbPixel> &pixels) {
        const auto width = static_cast<UINT>(area.width());
        const auto height = static_cast<UINT>(area.height());
        if (staging.get() == nullptr || stagingWidth < width || stagingHeight < height) {
            D3D11_TEXTURE2D_DESC desc{};
            desc.Width = width;
            desc.Height = height;
            desc.MipLevels = 1;
            desc.ArraySize = 1;
            desc.Format = DXGI_FORMAT_R16G16B16A16_FLOAT;
            desc.SampleDesc.Count = 1;
            desc.Usage = D3D11_USAGE_STAGING;
            desc.CPUAccessFlags = D3D11_CPU_ACCESS_READ;
            if (FAILED(device->CreateTexture2D(&desc, nullptr, staging.Out()))) return false;
            stagingWidth = width;
            stagingHeight = height;
        }
        const D3D11_BOX box{static_cast<UINT>(area.left - monitor.left),
                            static_cast<UINT>(area.top - monitor.top),
                            0,
                            static_cast<UINT>(area.right - monitor.left),
                            static_cast<UINT>(area.bottom - monitor.top),
                            1};
        context->CopySubresourceRegion(staging.get(), 0, 0, 0, 0, kept.get(), 0, &box);
        D3D11_MAPPED_SUBRESOURCE mapped{};
        if (FAILED(context->Map(staging.get(), 0, D3D11_MAP_READ, 0, &mapped))) return false;
        pixels.resize(static_cast<size_t>(width) * height);
        for (UINT y = 0; y < height; ++y) {
            std::memcpy(pixels.data() + static_cast<size_t>(y) * width,
                        static_cast<const unsigned char *>(mapped.pData) +
                            static_cast<size_t>(y) * mapped.RowPitch,
                        width * sizeof(ScRgbPixel));
        }
        context->Unmap(staging.get(), 0);
        return true;
    }
};

DesktopDuplication::DesktopDuplication() : dxgi_(L"dxgi.dll"), d3d11_(L"d3d11.dll"), sessions_() {}

DesktopDuplication::~DesktopDuplication() = default;

void DesktopDuplication::Release() {
    sessions_.clear();
    refused_.clear();
}

bool DesktopDuplication::Read(const ScreenRect &monitor, const ScreenRect &area,
                              std::vector<ScRgbPixel> &pixels) {
    if (area.width() <= 0 || area.height() <= 0 || area.left < monitor.left ||
        area.top < monitor.top || area.right > monitor.right || area.bottom > monitor.bottom) {
        return false;
    }
    Session *session = nullptr;
    for (auto &open : sessions_) {
        if (open->monitor == monitor) session = open.get();
    }
    if (session == nullptr) {
        const ULONGLONG now = GetTickCount64();
        for (auto it = refused_.begin(); it != refused_.end(); ++it) {
            if (!(it->first == monitor)) continue;
            if (now - it->second < kRetryAfterMs) return false;
            refused_.erase(it);
            break;
        }
        std::unique_ptr<Session> opened = Open(monitor);
        if (opened == nullptr) {
            refused_.emplace_back(monitor, now);
            return false;
        }
        sessions_.push_back(std::move(opened));
        session = sessions_.back().get();
    }
    if (!session->TakeNewFrame()) {
        // Lost: made again at the next read.
        for (auto it = sessions_.begin(); it != sessions_.end(); ++it) {
            if (it->get() == session) {
                sessions_.erase(it);
                break;
            }
        }
        return false;
    }
    return session->ReadArea(area, pixels);
}

std::unique_ptr<DesktopDuplication::Session> DesktopDuplication::Open(const ScreenRect &monitor) {
    auto createFactory = reinterpret_cast<CreateFactory>(
        reinterpret_cast<void (*)()>(dxgi_.Find("CreateDXGIFactory1")));
    auto createDevice = reinterpret_cast<PFN_D3D11_CREATE_DEVICE>(
        reinterpret_cast<void (*)()>(d3d11_.Find("D3D11CreateDevice")));
    if (createFactory == nullptr || createDevice == nullptr) return nullptr;
    DuplicationCom<IDXGIFactory1> factory;
    if (FAILED(createFactory(__uuidof(IDXGIFactory1), reinterpret_cast<void **>(factory.Out())))) {
        return nullptr;
    }
    for (UINT a = 0;; ++a) {
        DuplicationCom<IDXGIAdapter1> adapter;
        if (factory->EnumAdapters1(a, adapter.Out()) != S_OK) return nullptr;
        for (UINT o = 0;; ++o) {
            DuplicationCom<IDXGIOutput> output;
            if (adapter->EnumOutputs(o, output.Out()) != S_OK) break;
            DXGI_OUTPUT_DESC desc{};
            if (FAILED(output->GetDesc(&desc))) continue;
            const RECT &at = desc.DesktopCoordinates;
            if (!(ScreenRect{at.left, at.top, at.right, at.bottom} == monitor)) continue;
            // A rotated output's frames lie the other way round; GDI reads those.
            if (desc.Rotation != DXGI_MODE_ROTATION_IDENTITY &&
                desc.Rotation != DXGI_MODE_ROTATION_UNSPECIFIED) {
                return nullptr;
            }
            DuplicationCom<IDXGIOutput5> output5;
            if (FAILED(output->QueryInterface(__uuidof(IDXGIOutput5),
                                              reinterpret_cast<void **>(output5.Out())))) {
                return nullptr;
            }
            auto session = std::make_unique<Session>();
            session->monitor = monitor;
            // The device on the output's own adapter: a duplication is refused to a
            // device of another.
            if (FAILED(createDevice(adapter.get(), D3D_DRIVER_TYPE_UNKNOWN, nullptr, 0, nullptr, 0,
                                    D3D11_SDK_VERSION, session->device.Out(), nullptr,
                                    session->context.Out()))) {
                return nullptr;
            }
            const DXGI_FORMAT formats[] = {DXGI_FORMAT_R16G16B16A16_FLOAT};
            if (FAILED(output5->DuplicateOutput1(session->device.get(), 0, 1, formats,
                                                 session->duplication.Out()))) {
                return nullptr;
            }
            DXGI_OUTDUPL_DESC duplicated{};
            session->duplication->GetDesc(&duplicated);
            if (duplicated.ModeDesc.Format != DXGI_FORMAT_R16G16B16A16_FLOAT) return nullptr;
            return session;
        }
    }
}

}  // namespace tintwell::win32
