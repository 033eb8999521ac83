// SdlBackend: SDL events turned into our input and window messages.
#include <SDL.h>

#include "platform/backend/sdl.h"
#include "platform/backend/textinput.h"
#include "platform/ui/application.h"
#include "platform/ui/messages.h"
#include "platform/ui/window.h"

namespace ui {

namespace {

unsigned Modifiers(Uint16 m) {
    return ((m & KMOD_SHIFT) ? unsigned{kModShift} : 0u) | ((m & KMOD_CTRL) ? unsigned{kModControl} : 0u) |
           ((m & KMOD_ALT) ? unsigned{kModAlt} : 0u);
}

gfx::Point ScreenPoint(Uint32 window_id, int x, int y) {
    SDL_Window* w = SDL_GetWindowFromID(window_id);
    int wx = 0, wy = 0;
    if (w) SDL_GetWindowPosition(w, &wx, &wy);
    return {wx + x, wy + y};
}

}  // namespace

unsigned VirtualKeyFromSdl(int32_t sym) {
    if (sym >= SDLK_a && sym <= SDLK_z) return 'A' + static_cast<unsigned>(sym - SDLK_a);
    if (sym >= SDLK_0 && sym <= SDLK_9) return '0' + static_cast<unsigned>(sym - SDLK_0);
    if (sym >= SDLK_F1 && sym <= SDLK_F12) return VK_F1 + static_cast<unsigned>(sym - SDLK_F1);
    if (sym >= SDLK_KP_1 && sym <= SDLK_KP_9) return 0x61 + static_cast<unsigned>(sym - SDLK_KP_1);
    switch (sym) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return VK_RETURN;
        case SDLK_ESCAPE:
            return VK_ESCAPE;
        case SDLK_BACKSPACE:
            return VK_BACK;
        case SDLK_TAB:
            return VK_TAB;
        case SDLK_SPACE:
            return VK_SPACE;
        case SDLK_PAGEUP:
            return VK_PRIOR;
        case SDLK_PAGEDOWN:
            return VK_NEXT;
        case SDLK_END:
            return VK_END;
        case SDLK_HOME:
            return VK_HOME;
        case SDLK_LEFT:
            return VK_LEFT;
        case SDLK_UP:
            return VK_UP;
        case SDLK_RIGHT:
            return VK_RIGHT;
        case SDLK_DOWN:
            return VK_DOWN;
        case SDLK_INSERT:
            return VK_INSERT;
        case SDLK_DELETE:
            return VK_DELETE;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT:
            return VK_SHIFT;
        case SDLK_LCTRL:
        case SDLK_RCTRL:
            return VK_CONTROL;
        case SDLK_LALT:
        case SDLK_RALT:
            return VK_MENU;
        case SDLK_KP_0:
            return 0x60;
        case SDLK_KP_MINUS:
            return 0x6D;
        case SDLK_KP_PERIOD:
            return 0x6E;
        case SDLK_MINUS:
            return 0xBD;
        case SDLK_PERIOD:
            return 0xBE;
        default:
            return 0;
    }
}

void SdlBackend::Translate(const void* event) {
    const SDL_Event& e = *static_cast<const SDL_Event*>(event);
    InputEvent in;
    switch (e.type) {
        case SDL_MOUSEMOTION:
            in.type = InputEvent::Type::kMouseMove;
            in.screen = ScreenPoint(e.motion.windowID, e.motion.x, e.motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (e.button.button != SDL_BUTTON_LEFT && e.button.button != SDL_BUTTON_RIGHT) return;
            in.type =
                e.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Type::kMouseDown : InputEvent::Type::kMouseUp;
            in.button = e.button.button == SDL_BUTTON_LEFT ? 0 : 1;
            in.screen = ScreenPoint(e.button.windowID, e.button.x, e.button.y);
            break;
        case SDL_MOUSEWHEEL: {
            const int notches = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
            if (notches == 0) return;
            in.type = InputEvent::Type::kWheel;
            in.wheel_delta = notches * WHEEL_DELTA;
            int x = 0, y = 0;
            SDL_GetGlobalMouseState(&x, &y);
            in.screen = {x, y};
            break;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            in.type = e.type == SDL_KEYDOWN ? InputEvent::Type::kKeyDown : InputEvent::Type::kKeyUp;
            in.vk = VirtualKeyFromSdl(e.key.keysym.sym);
            in.modifiers = Modifiers(e.key.keysym.mod);
            if (in.vk == 0) return;
            break;
        case SDL_TEXTEDITING:
            in.type = InputEvent::Type::kComposition;
            in.text = e.edit.text;
            break;
        case SDL_TEXTEDITING_EXT:
            in.type = InputEvent::Type::kComposition;
            in.text = e.editExt.text ? e.editExt.text : "";
            SDL_free(e.editExt.text);
            break;
        case SDL_TEXTINPUT: {
            // A commit ends the composition, then its characters are typed.
            InputEvent ended;
            ended.type = InputEvent::Type::kComposition;
            app_->PostInput(ended);
            for (const InputEvent& ch : CharEventsFromText(e.text.text)) app_->PostInput(ch);
            return;
        }
        case SDL_WINDOWEVENT: {
            Window* top = FromSdlWindow(e.window.windowID);
            if (!top) return;
            switch (e.window.event) {
                case SDL_WINDOWEVENT_CLOSE:
                    // The window manager's close button and Alt+F4 become WM_CLOSE.
                    top->PostMessage(WM_CLOSE);
                    break;
                case SDL_WINDOWEVENT_EXPOSED:
                    top->Invalidate();
                    break;
                case SDL_WINDOWEVENT_LEAVE:
                    in.type = InputEvent::Type::kPointerLeft;
                    app_->PostInput(in);
                    break;
                case SDL_WINDOWEVENT_MOVED: {
                    gfx::Rect r = top->RectInParent();
                    if (r.left != e.window.data1 || r.top != e.window.data2)
                        top->MoveWindow(r.Offset(e.window.data1 - r.left, e.window.data2 - r.top), false);
                    break;
                }
                default:
                    break;
            }
            return;
        }
        case SDL_QUIT:
            // SIGTERM or SIGINT (a logout, a kill): end every open modal window, then close the main window.
            app_->RequestQuit();
            return;
        default:
            return;
    }
    app_->PostInput(in);
}

}  // namespace ui
