#!/usr/bin/python3
"""Makes Vexmoor's GUI images: menus, overlays, buttons, the cursor and the objective cards.

Run from anywhere: python3 tools/make_gui_images.py. The output is deterministic (fixed random
seeds, no timestamps) and is committed under assets/textures/gui/. Every image is made at the size
the GUI screen files in assets/data/GUI/ draw it, so the sizes are read from those files.
Pure magenta (255, 0, 255) is the game's colour key: such pixels are drawn transparent, so no
anti-aliased edge ever touches them.
"""
import math
import random
from pathlib import Path

from PIL import Image, ImageDraw, ImageFilter, ImageFont

ASSETS = Path(__file__).resolve().parent.parent / "assets"
GUI_DATA = ASSETS / "data" / "GUI"
FONT_DIR = Path("/usr/share/fonts/truetype/dejavu")

KEY = (255, 0, 255)
SKY_TOP = (9, 12, 20)
SKY_LOW = (34, 42, 52)
MOOR = (24, 29, 22)
FOG = (150, 165, 170)
PANEL = (16, 22, 24)
EDGE = (104, 132, 116)
TEXT = (214, 222, 204)
DIM = (150, 160, 146)
AMBER = (232, 192, 104)
BLOOD = (196, 64, 52)

OBJECTIVES = {
    1: ["Reach the standing stone to the east",
        "Find the drowned chapel in the north",
        "Cross the bog to the old iron gate"],
    2: ["Follow the cairns up to the ridge",
        "Light the beacon on the barrow mound",
        "Reach the shepherd's hut in the hollow"],
    3: ["Find the stone circle in the mist",
        "Break through to the heart of the moor",
        "Stand on the altar stone and end this"],
}


def font(size, mono=False):
    name = "DejaVuSansMono-Bold.ttf" if mono else "DejaVuSans-Bold.ttf"
    return ImageFont.truetype(str(FONT_DIR / name), size)


def properties(name):
    """A property file: one key:value a line."""
    values = {}
    for line in (GUI_DATA / name).read_text(encoding="latin-1").splitlines():
        key, _, value = line.partition(":")
        values[key] = value
    return values


def size_of(values, prefix):
    return int(values[prefix + "WIDTH"]), int(values[prefix + "HEIGHT"])


def save(image, relative):
    path = ASSETS / relative
    path.parent.mkdir(parents=True, exist_ok=True)
    image.save(path, optimize=True)


def noise(size, cells, seed, blur):
    """Smooth value noise in 0..255: random cells scaled up and softened."""
    rng = random.Random(seed)
    grid = Image.new("L", cells)
    grid.putdata([rng.randrange(256) for _ in range(cells[0] * cells[1])])
    return grid.resize(size, Image.BICUBIC).filter(ImageFilter.GaussianBlur(blur))


def moor(size, seed):
    """Night sky over a dark moor with standing stones, hills and drifting fog."""
    width, height = size
    horizon = int(height * 0.62)
    image = Image.new("RGB", size)
    draw = ImageDraw.Draw(image)
    for y in range(height):
        t = min(1.0, y / horizon)
        colour = tuple(int(a + (b - a) * t) for a, b in zip(SKY_TOP, SKY_LOW))
        draw.line([(0, y), (width, y)], fill=colour)
    rng = random.Random(seed)
    # Far hills, then the near moor.
    for depth, shade in ((0, (26, 32, 34)), (1, MOOR)):
        points = [(0, height)]
        base = horizon + depth * 40
        for x in range(0, width + 32, 32):
            points.append((x, base - int(30 * math.sin(x / 170 + seed + depth) + rng.randrange(12))))
        points.append((width, height))
        draw.polygon(points, fill=shade)
    for _ in range(5):
        x = rng.randrange(40, width - 40)
        tall = rng.randrange(50, 110)
        base = horizon + 30 + rng.randrange(60)
        draw.polygon([(x - 14, base), (x - 10, base - tall), (x + 6, base - tall - 8), (x + 14, base)],
                     fill=(12, 15, 14))
    for octave, (cells, blur, strength) in enumerate((((12, 9), 30, 0.55), ((40, 30), 8, 0.25))):
        mist = noise(size, cells, seed * 10 + octave, blur)
        # Fog thickens towards the ground.
        ramp = Image.linear_gradient("L").resize(size)
        mist = Image.composite(mist, Image.new("L", size, 0), ramp).point(lambda v: int(v * strength))
        image = Image.composite(Image.new("RGB", size, FOG), image, mist)
    return image


def centred(draw, box, text, face, fill, shadow=None):
    left, top, right, bottom = box
    x0, y0, x1, y1 = draw.textbbox((0, 0), text, font=face)
    x = left + (right - left - (x1 - x0)) // 2 - x0
    y = top + (bottom - top - (y1 - y0)) // 2 - y0
    if shadow:
        draw.text((x + 3, y + 3), text, font=face, fill=shadow)
    draw.text((x, y), text, font=face, fill=fill)


def wrap(draw, text, face, width):
    lines, line = [], ""
    for word in text.split():
        trial = (line + " " + word).strip()
        if draw.textlength(trial, font=face) <= width or not line:
            line = trial
        else:
            lines.append(line)
            line = word
    return lines + [line]


def panel(size, edge=EDGE):
    """A dark panel with cut corners; the corners are the colour key."""
    width, height = size
    image = Image.new("RGB", size, KEY)
    draw = ImageDraw.Draw(image)
    cut = 14
    outline = [(cut, 0), (width - 1 - cut, 0), (width - 1, cut), (width - 1, height - 1 - cut),
               (width - 1 - cut, height - 1), (cut, height - 1), (0, height - 1 - cut), (0, cut)]
    draw.polygon(outline, fill=PANEL)
    draw.line(outline + [outline[0]], fill=edge, width=3)
    return image, draw


def button(size, label, hover):
    image, draw = panel(size, AMBER if hover else EDGE)
    if hover:
        inner = [(6, 6), (size[0] - 7, size[1] - 7)]
        draw.rectangle(inner, fill=(44, 62, 54))
    centred(draw, (0, 0) + size, label, font(26, mono=True), AMBER if hover else TEXT)
    return image


def main_menu(size):
    image = moor(size, 1)
    draw = ImageDraw.Draw(image)
    centred(draw, (0, 90, size[0], 230), "VEXMOOR", font(112), TEXT, shadow=(0, 0, 0))
    centred(draw, (0, 230, size[0], 280), "the fog remembers", font(24), DIM)
    return image


def titled_backdrop(size, seed, title, centre_x):
    image = moor(size, seed)
    draw = ImageDraw.Draw(image)
    centred(draw, (centre_x - 300, 30, centre_x + 300, 110), title, font(56), TEXT, shadow=(0, 0, 0))
    return image


CONTROLS = [
    ("W A S D", "move"),
    ("Left click", "shoot towards the cursor"),
    ("R", "reload the clip"),
    ("Space", "summon the helper bot"),
    ("Tab", "pause, resume, close objective"),
    ("Home / End", "raise / lower the frame rate"),
    ("Left Ctrl + I", "toggle invincibility"),
    ("Left Ctrl + 1/2/3", "jump to level 1, 2 or 3"),
]


def controls_list(size):
    image, draw = panel(size)
    key_face, action_face = font(24, mono=True), font(21)
    top = 34
    row = (size[1] - 2 * top) // len(CONTROLS)
    for index, (key, action) in enumerate(CONTROLS):
        y = top + index * row
        draw.text((36, y + 12), key, font=key_face, fill=AMBER)
        draw.text((296, y + 14), action, font=action_face, fill=TEXT)
        if index:
            draw.line([(30, y), (size[0] - 30, y)], fill=(40, 52, 48), width=1)
    return image


ABOUT = [
    "Vexmoor is a top-down action game set on a moor",
    "that the fog never leaves. Walk out into the mist,",
    "follow the objectives from stone to stone, and",
    "shoot what wanders out of the dark.",
    "",
    "Some bots wander and chase; others fade in and out",
    "of sight. Summon a helper bot to fight beside you,",
    "watch your clip and your hit points, and reach the",
    "end of all three levels.",
]


def about_page(size):
    image = titled_backdrop(size, 3, "ABOUT", size[0] // 2)
    card, draw = panel((760, 460))
    face = font(22)
    for index, line in enumerate(ABOUT):
        draw.text((40, 40 + index * 42), line, font=face, fill=TEXT)
    image.paste(card, ((size[0] - 760) // 2, 150), mask=key_mask(card))
    return image


def key_mask(image):
    """Opaque everywhere but on the colour key, for pasting a panel onto a backdrop."""
    return Image.frombytes("L", image.size, bytes(0 if p == KEY else 255 for p in image.getdata()))


def framed_overlay(size, title, colour, line=None, hint=None):
    image, draw = panel(size)
    centred(draw, (0, 30, size[0], 110), title, font(52), colour, shadow=(0, 0, 0))
    if line:
        centred(draw, (0, 110, size[0], 140), line, font(20), DIM)
    if hint:
        centred(draw, (0, size[1] - 60, size[0], size[1] - 20), hint, font(18), DIM)
    return image


def objective_card(size, level, number, text):
    image, draw = panel(size, AMBER)
    draw.text((28, 20), f"LEVEL {level}  -  OBJECTIVE {number} OF 3", font=font(18, mono=True), fill=AMBER)
    face = font(28)
    lines = wrap(draw, text, face, size[0] - 56)
    for index, line in enumerate(lines):
        draw.text((28, 62 + index * 38), line, font=face, fill=TEXT)
    centred(draw, (0, size[1] - 44, size[0], size[1] - 12), "Press Tab to continue", font(16), DIM)
    return image


def crosshair(size):
    image = Image.new("RGB", size, KEY)
    draw = ImageDraw.Draw(image)
    cx, cy = size[0] // 2, size[1] // 2
    radius = size[0] // 2 - 6
    # A dark outline under the light strokes keeps the crosshair visible on fog and on stone.
    for colour, width in (((10, 12, 10), 4), ((200, 240, 190), 2)):
        draw.ellipse([cx - radius, cy - radius, cx + radius, cy + radius], outline=colour, width=width)
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            draw.line([(cx + dx * 4, cy + dy * 4), (cx + dx * (radius + 5), cy + dy * (radius + 5))],
                      fill=colour, width=width)
    draw.rectangle([cx - 1, cy - 1, cx, cy], fill=(240, 80, 60))
    return image


def main():
    main_file = properties("VexmoorMainMenuInit.txt")
    controls_file = properties("VexmoorControlsInit.txt")
    about_file = properties("VexmoorAboutInit.txt")
    pause_file = properties("VexmoorPauseInit.txt")
    cursor_file = properties("VexmoorCursorInit.txt")
    objective_file = properties("VexmoorObjectiveInit.txt")

    save(main_menu(size_of(main_file, "MAIN_MENU_")), main_file["MAIN_MENU_PATH"])
    controls_size = size_of(controls_file, "CONTROLS_")
    # The key list is drawn at x 200 with width 704: centre the title over it.
    save(titled_backdrop(controls_size, 2, "CONTROLS", 200 + 704 // 2), controls_file["CONTROLS_PATH"])
    save(controls_list((704, 488)), "textures/gui/overlays/vexmoor_controls_overlay2.png")
    save(about_page(size_of(about_file, "ABOUT_")), about_file["ABOUT_PATH"])
    pause_size = size_of(pause_file, "PAUSE_MENU_")
    save(framed_overlay(pause_size, "PAUSED", TEXT, hint="Tab resumes"), pause_file["PAUSE_MENU_PATH"])
    save(framed_overlay(pause_size, "GAME OVER", BLOOD, line="The moor has claimed you."),
         "textures/gui/overlays/vexmoor_game_over_overlay.png")

    labels = [(main_file, "EXIT_", "EXIT"), (main_file, "ABOUT_BUTTON_", "ABOUT"),
              (main_file, "CONTROL_BUTTON_", "CONTROLS"), (main_file, "START_", "START"),
              (controls_file, "BACK_", "BACK"), (about_file, "ABOUT_BACK_", "BACK"),
              (pause_file, "RESUME_", "RESUME"), (pause_file, "QUIT_", "QUIT")]
    for values, prefix, label in labels:
        size = size_of(values, prefix)
        save(button(size, label, False), values[prefix + "IMAGE_PATH"])
        save(button(size, label, True), values[prefix + "IMAGE_MO_PATH"])

    save(crosshair((int(cursor_file["CURSOR_WIDTH"]), int(cursor_file["CURSOR_HEIGHT"]))),
         cursor_file["CURSOR_1_PATH"])
    card_size = size_of(objective_file, "OBJECTIVE_")
    for level, texts in OBJECTIVES.items():
        for number, text in enumerate(texts, start=1):
            save(objective_card(card_size, level, number, text),
                 f"textures/gui/objectives/objective_{level}_{number}.png")


if __name__ == "__main__":
    main()
