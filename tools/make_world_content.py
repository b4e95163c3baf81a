#!/usr/bin/python3
"""Makes the three shipped levels and the world art of Vexmoor.

Writes, below assets/: the tile, fog, event tile and sprite images (textures/world/), every level's
data files (data/levels/<level>/) and the objective scripts TileEventScript1.lua to 3.lua. The
output is deterministic (fixed seeds) and committed; run this again after changing a level:

    tools/make_world_content.py

Before writing anything it checks every level the way the game's physics sees it and stops with a
message when an objective or a bot cannot be reached from the player's start.
"""

import math
import os
import random
import sys
from collections import deque

from PIL import Image, ImageDraw

ASSETS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets")
TILE = 32
MAGENTA = (255, 0, 255)  # the game's colour key: these pixels are transparent

# Tile ids are the order of the keys in the tile texture file, so the keys are the ids themselves.
GRASS, HEATHER, MUD, PATH, WALL, WATER, RUIN, FLOOR = range(8)
TILE_IMAGES = ["grass", "heather", "mud", "stone_path", "wall", "water", "ruin_block", "ruin_floor"]
COLLIDABLE = {WALL, WATER, RUIN}


# ---------------------------------------------------------------- images

def save_png(image, relative_path):
    """Saves with an exact palette when the image has few colours (keeps the files small and the
    colour key exact), as plain RGB otherwise."""
    path = os.path.join(ASSETS, relative_path)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    colours = image.getcolors(256)
    if colours is None:
        image.save(path, optimize=True)
        return
    palette_image = Image.new("P", image.size)
    index = {colour: i for i, (_, colour) in enumerate(colours)}
    palette_image.putpalette([c for _, colour in colours for c in colour])
    palette_image.putdata([index[p] for p in image.getdata()])
    palette_image.save(path, optimize=True)


def scatter(rng, image, colours, count):
    for _ in range(count):
        image.putpixel((rng.randrange(TILE), rng.randrange(TILE)), rng.choice(colours))


def speckled(rng, base, colours, count):
    image = Image.new("RGB", (TILE, TILE), base)
    scatter(rng, image, colours, count)
    return image


def grass_tile(rng):
    image = speckled(rng, (44, 60, 34), [(58, 78, 42), (36, 50, 28), (50, 68, 38)], 260)
    draw = ImageDraw.Draw(image)
    for _ in range(14):
        x, y = rng.randrange(TILE), rng.randrange(3, TILE)
        draw.line([(x, y), (x + rng.choice((-1, 0, 1)), y - 3)], fill=(72, 92, 50))
    return image


def heather_tile(rng):
    image = speckled(rng, (50, 44, 48), [(74, 52, 70), (40, 52, 34), (62, 48, 60)], 300)
    draw = ImageDraw.Draw(image)
    for _ in range(10):
        x, y = rng.randrange(1, TILE - 2), rng.randrange(1, TILE - 2)
        draw.rectangle([x, y, x + 1, y + 1], fill=(96, 62, 90))
    return image


def mud_tile(rng):
    image = speckled(rng, (58, 44, 32), [(48, 36, 26), (66, 52, 38)], 220)
    draw = ImageDraw.Draw(image)
    for _ in range(3):
        x, y = rng.randrange(2, 24), rng.randrange(2, 26)
        draw.ellipse([x, y, x + rng.randrange(5, 9), y + rng.randrange(3, 6)], fill=(40, 46, 52))
    return image


def stone_path_tile(rng):
    image = Image.new("RGB", (TILE, TILE), (36, 36, 38))
    draw = ImageDraw.Draw(image)
    shades = [(96, 94, 88), (84, 82, 78), (104, 100, 92)]
    for row, offsets in ((0, (0, 16)), (1, (-8, 8, 24))):
        top = row * 16
        for left in offsets:
            draw.rectangle([left + 1, top + 1, left + 14, top + 14], fill=rng.choice(shades))
            draw.line([(left + 2, top + 1), (left + 13, top + 1)], fill=(122, 118, 108))
    return image


def wall_tile(rng):
    image = Image.new("RGB", (TILE, TILE), (22, 22, 24))
    draw = ImageDraw.Draw(image)
    shades = [(112, 110, 102), (94, 92, 88), (126, 122, 112)]
    for top in range(0, TILE, 8):
        left = -rng.randrange(0, 8)
        while left < TILE:
            width = rng.randrange(8, 15)
            draw.rectangle([left + 1, top + 1, left + width - 1, top + 6], fill=rng.choice(shades))
            draw.line([(left + 1, top + 6), (left + width - 1, top + 6)], fill=(64, 62, 60))
            left += width
    return image


def water_tile(rng):
    image = speckled(rng, (18, 40, 58), [(22, 46, 64)], 120)
    draw = ImageDraw.Draw(image)
    for _ in range(7):
        x, y = rng.randrange(-4, TILE), rng.randrange(TILE)
        draw.line([(x, y), (x + rng.randrange(4, 9), y)], fill=rng.choice([(34, 66, 88), (30, 58, 78)]))
    scatter(rng, image, [(80, 120, 140)], 3)
    return image


def ruin_block_tile(rng):
    image = Image.new("RGB", (TILE, TILE), (54, 46, 36))
    draw = ImageDraw.Draw(image)
    for top in (0, 16):
        split = rng.randrange(10, 22)
        for left, right in ((0, split), (split, TILE)):
            draw.rectangle([left + 1, top + 1, right - 2, top + 14], fill=rng.choice([(128, 112, 86), (114, 100, 78)]))
            draw.line([(left + 1, top + 1), (right - 2, top + 1)], fill=(150, 134, 104))
    x = rng.randrange(4, 28)
    draw.line([(x, 2), (x + 3, 9), (x + 1, 14)], fill=(60, 52, 40))
    scatter(rng, image, [(64, 84, 46)], 18)
    return image


def ruin_floor_tile(rng):
    image = Image.new("RGB", (TILE, TILE), (42, 40, 36))
    draw = ImageDraw.Draw(image)
    for left in (0, 16):
        for top in (0, 16):
            draw.rectangle([left + 1, top + 1, left + 14, top + 14], fill=rng.choice([(74, 70, 62), (66, 62, 56), (70, 68, 60)]))
    scatter(rng, image, [(52, 70, 40), (56, 52, 46)], 25)
    return image


TILE_PAINTERS = [grass_tile, heather_tile, mud_tile, stone_path_tile, wall_tile, water_tile,
                 ruin_block_tile, ruin_floor_tile]


def fog_cell(rng, size=128, coarse=8, levels=10):
    """A dark, opaque cell of mist; the noise wraps, so neighbouring cells join without seams."""
    grid = [[rng.random() for _ in range(coarse)] for _ in range(coarse)]
    image = Image.new("RGB", (size, size))
    step = size / coarse

    def smooth(t):
        return t * t * (3 - 2 * t)

    for y in range(size):
        gy, fy = divmod(y / step, 1)
        y0, y1, ty = int(gy) % coarse, (int(gy) + 1) % coarse, smooth(fy)
        for x in range(size):
            gx, fx = divmod(x / step, 1)
            x0, x1, tx = int(gx) % coarse, (int(gx) + 1) % coarse, smooth(fx)
            top = grid[y0][x0] + (grid[y0][x1] - grid[y0][x0]) * tx
            bottom = grid[y1][x0] + (grid[y1][x1] - grid[y1][x0]) * tx
            level = int((top + (bottom - top) * ty) * levels) / levels
            image.putpixel((x, y), (int(12 + 26 * level), int(14 + 28 * level), int(20 + 34 * level)))
    return image


def event_tile():
    """A glowing blue rune disc; outside the disc is the colour key."""
    image = Image.new("RGB", (TILE, TILE), MAGENTA)
    for y in range(TILE):
        for x in range(TILE):
            r = math.hypot(x - 15.5, y - 15.5)
            if r > 15.5:
                continue
            if r < 4:
                colour = (220, 250, 255)
            elif r < 7:
                colour = (130, 215, 255)
            elif 10 <= r < 12:
                colour = (110, 200, 255)
            elif r >= 14:
                colour = (70, 150, 250)
            else:
                colour = (30, 80, 200)
            image.putpixel((x, y), colour)
    return image


def sprite_canvas():
    image = Image.new("RGB", (TILE, TILE), MAGENTA)
    return image, ImageDraw.Draw(image)


def player_sprite():
    """Amber-cloaked figure seen from above, rifle pointing right (rotation 0 faces +x)."""
    image, draw = sprite_canvas()
    draw.ellipse([5, 5, 25, 26], fill=(214, 140, 40), outline=(250, 222, 150))
    draw.rectangle([18, 13, 31, 17], fill=(58, 58, 64), outline=(170, 170, 176))
    draw.ellipse([10, 10, 20, 20], fill=(120, 72, 30), outline=(250, 222, 150))
    return image


def helper_sprite():
    """Friendly cyan drone, the same from every side."""
    image, draw = sprite_canvas()
    for box in ([14, 1, 17, 6], [14, 25, 17, 30], [1, 14, 6, 17], [25, 14, 30, 17]):
        draw.rectangle(box, fill=(200, 255, 255))
    draw.ellipse([5, 5, 26, 26], fill=(40, 200, 210), outline=(200, 255, 255))
    draw.ellipse([10, 10, 21, 21], fill=(16, 84, 96))
    draw.ellipse([13, 13, 18, 18], fill=(240, 255, 255))
    return image


def wandering_enemy_sprite():
    """Hostile red spiked orb with a yellow eye."""
    image, draw = sprite_canvas()
    points = []
    for i in range(16):
        angle = i * math.pi / 8
        radius = 15 if i % 2 == 0 else 9
        points.append((15.5 + radius * math.cos(angle), 15.5 + radius * math.sin(angle)))
    draw.polygon(points, fill=(200, 40, 30), outline=(255, 130, 90))
    draw.ellipse([9, 9, 22, 22], fill=(70, 12, 10))
    draw.ellipse([13, 13, 18, 18], fill=(255, 220, 60))
    return image


def stealth_enemy_sprite():
    """Violet diamond with pale slit eyes; the game fades it in and out."""
    image, draw = sprite_canvas()
    draw.polygon([(16, 1), (30, 16), (16, 30), (1, 16)], fill=(110, 50, 170), outline=(210, 170, 255))
    draw.polygon([(16, 8), (23, 16), (16, 23), (8, 16)], fill=(40, 16, 70))
    draw.line([(11, 14), (14, 14)], fill=(230, 230, 255))
    draw.line([(18, 14), (21, 14)], fill=(230, 230, 255))
    return image


def projectile_sprite():
    """Small bright bolt along +x with a short trail."""
    image, draw = sprite_canvas()
    draw.rectangle([7, 15, 14, 16], fill=(200, 140, 40))
    draw.ellipse([12, 13, 24, 18], fill=(255, 236, 120))
    draw.line([(15, 15), (23, 15)], fill=(255, 255, 230))
    return image


def make_images():
    rng = random.Random(1871)
    for name, painter in zip(TILE_IMAGES, TILE_PAINTERS):
        save_png(painter(rng), f"textures/world/tiles/{name}.png")
    save_png(fog_cell(rng), "textures/world/fog.png")
    save_png(event_tile(), "textures/world/event_tile.png")
    sprites = {
        "player": player_sprite(), "bullet": projectile_sprite(),
        "directionIndependentHelperSprite": helper_sprite(),
        "directionIndependentSprite2": wandering_enemy_sprite(), "stealthBot": stealth_enemy_sprite(),
    }
    for name, image in sprites.items():
        save_png(image, f"textures/world/sprites/{name}.png")


# ---------------------------------------------------------------- level layout

class Level:
    def __init__(self, name, folder, prefix, columns, rows, seed, base):
        self.name, self.folder, self.prefix = name, folder, prefix
        self.columns, self.rows = columns, rows
        self.rng = random.Random(seed)
        self.grid = [[base for _ in range(columns)] for _ in range(rows)]
        self.start = None      # player start tile (column, row)
        self.events = []       # three event tiles (column, row)
        self.bots = []         # (kind, count, column, row)

    def inside(self, c, r):
        return 0 < c < self.columns - 1 and 0 < r < self.rows - 1

    def put(self, c, r, tile):
        if self.inside(c, r):
            self.grid[r][c] = tile

    def rect(self, c0, r0, c1, r1, tile):
        for r in range(r0, r1 + 1):
            for c in range(c0, c1 + 1):
                self.put(c, r, tile)

    def sprinkle(self, tiles, count, radius):
        """Soft-edged patches of ground tiles for variety."""
        for _ in range(count):
            tile = self.rng.choice(tiles)
            cx, cy = self.rng.randrange(self.columns), self.rng.randrange(self.rows)
            self.blob(cx, cy, self.rng.randrange(2, radius), self.rng.randrange(2, radius), tile)

    def blob(self, cx, cy, rx, ry, tile):
        for r in range(cy - ry - 1, cy + ry + 2):
            for c in range(cx - rx - 1, cx + rx + 2):
                d = ((c - cx) / (rx + 0.5)) ** 2 + ((r - cy) / (ry + 0.5)) ** 2
                if d < 1.0 - 0.3 * self.rng.random():
                    self.put(c, r, tile)

    def route(self, points, width, tile):
        """A walkable band through the points, overriding whatever it crosses."""
        for (c0, r0), (c1, r1) in zip(points, points[1:]):
            steps = max(abs(c1 - c0), abs(r1 - r0))
            for i in range(steps + 1):
                c = round(c0 + (c1 - c0) * i / steps)
                r = round(r0 + (r1 - r0) * i / steps)
                self.rect(c - width // 2, r - width // 2, c - width // 2 + width - 1,
                          r - width // 2 + width - 1, tile)

    def border(self):
        for c in range(self.columns):
            self.grid[0][c] = self.grid[self.rows - 1][c] = WALL
        for r in range(self.rows):
            self.grid[r][0] = self.grid[r][self.columns - 1] = WALL

    def passable(self, c, r):
        return self.grid[r][c] not in COLLIDABLE

    def place_bots(self, kind, total, reachable, min_distance):
        """Bots in groups of one or two on reachable open ground, away from the start."""
        while total > 0:
            c, r = self.rng.randrange(2, self.columns - 2), self.rng.randrange(2, self.rows - 2)
            far = math.hypot(c - self.start[0], r - self.start[1]) >= min_distance
            taken = any((c, r) == (bc, br) for _, _, bc, br in self.bots)
            if far and not taken and self.passable(c, r) and (c * TILE, r * TILE) in reachable:
                count = min(total, self.rng.choice((1, 1, 2)))
                self.bots.append((kind, count, c, r))
                total -= count


def edge_of_the_moor():
    level = Level("Edge of the Moor", "moor", "Moor", 60, 40, 101, GRASS)
    level.sprinkle([HEATHER, HEATHER, MUD], 40, 5)
    for _ in range(7):
        level.blob(level.rng.randrange(8, 56), level.rng.randrange(4, 36), level.rng.randrange(2, 5),
                   level.rng.randrange(2, 4), WATER)
    # Drystone walls across the moor; the path breaks through them.
    level.rect(18, 2, 18, 26, WALL)
    level.rect(30, 14, 52, 14, WALL)
    level.rect(42, 22, 42, 37, WALL)
    level.rect(8, 30, 28, 30, WALL)
    level.start, level.events = (4, 20), [(22, 8), (36, 31), (54, 7)]
    level.route([level.start, (12, 20), (22, 8), (28, 22), (36, 31), (48, 30), (50, 18), (54, 7)], 3, PATH)
    level.rect(20, 6, 24, 10, PATH)
    level.border()
    return level, {3: 7, 4: 1}


def sunken_causeway():
    level = Level("Sunken Causeway", "causeway", "Causeway", 80, 50, 202, WATER)
    islands = [(6, 25), (20, 10), (24, 38), (40, 24), (56, 10), (58, 40), (72, 24), (70, 6)]
    for c, r in islands:
        level.blob(c, r, level.rng.randrange(4, 7), level.rng.randrange(4, 6), level.rng.choice([GRASS, MUD, HEATHER]))
        level.blob(c + 1, r, 2, 2, MUD)
    # A drowned shrine on the middle island.
    level.rect(37, 21, 43, 21, RUIN)
    level.rect(37, 27, 43, 27, RUIN)
    level.rect(37, 21, 37, 27, RUIN)
    level.start, level.events = (5, 25), [(20, 10), (58, 40), (70, 6)]
    level.route([level.start, (20, 10), (40, 24), (24, 38)], 3, PATH)
    level.route([(40, 24), (58, 40), (72, 24), (70, 6)], 3, PATH)
    level.route([(40, 24), (56, 10), (70, 6)], 2, PATH)
    level.border()
    return level, {3: 9, 4: 5}


def ruins_of_vex():
    level = Level("Ruins of Vex", "ruins", "Ruins", 100, 60, 303, FLOOR)
    level.sprinkle([GRASS, GRASS, MUD, HEATHER], 60, 5)
    # City blocks: ruined halls with doorways, in a grid of streets.
    for bc in range(6, 92, 14):
        for br in range(5, 52, 12):
            w, h = level.rng.randrange(7, 11), level.rng.randrange(6, 9)
            level.rect(bc, br, bc + w, br, RUIN)
            level.rect(bc, br + h, bc + w, br + h, RUIN)
            level.rect(bc, br, bc, br + h, RUIN)
            level.rect(bc + w, br, bc + w, br + h, RUIN)
            for side in level.rng.sample(range(4), 2):
                mid_c, mid_r = bc + w // 2, br + h // 2
                door = [(mid_c - 1, br, mid_c + 1, br), (mid_c - 1, br + h, mid_c + 1, br + h),
                        (bc, mid_r - 1, bc, mid_r + 1), (bc + w, mid_r - 1, bc + w, mid_r + 1)][side]
                level.rect(*door, FLOOR)
    # A drowned canal across the city, crossed by two bridges.
    level.rect(1, 29, 98, 30, WATER)
    level.start, level.events = (3, 3), [(50, 9), (16, 52), (94, 54)]
    level.route([level.start, (48, 3), (50, 9)], 3, PATH)
    level.route([(50, 9), (46, 29), (18, 40), (16, 52)], 3, PATH)
    level.route([(16, 52), (60, 56), (94, 54)], 3, PATH)
    level.route([(80, 4), (82, 30), (94, 54)], 3, PATH)
    level.border()
    return level, {3: 10, 4: 10}


# ---------------------------------------------------------------- reachability

def reachable_positions(level, step=4):
    """Player positions reachable from the start, on a grid of `step` pixels. A wall tile is a 30 x 30
    box centred on the tile's top-left corner, the player a 32 x 32 box centred on its position;
    touching is allowed, overlapping is not."""
    width, height = level.columns * TILE, level.rows * TILE
    sx, sy = level.start[0] * TILE, level.start[1] * TILE

    def near(v, count):
        return [t for t in range((v - 31) // TILE, (v + 31) // TILE + 1)
                if 0 <= t < count and abs(v - t * TILE) < 31]

    def free(x, y):
        return all(level.passable(c, r) for c in near(x, level.columns) for r in near(y, level.rows))

    seen = {(sx, sy)}
    queue = deque(seen)
    while queue:
        x, y = queue.popleft()
        for nx, ny in ((x + step, y), (x - step, y), (x, y + step), (x, y - step)):
            if (nx, ny) not in seen and 0 <= nx < width and 0 <= ny < height and free(nx, ny):
                seen.add((nx, ny))
                queue.append((nx, ny))
    return seen


def check(level, reachable):
    problems = []
    for n, (c, r) in enumerate(level.events, 1):
        mx, my = c * TILE, r * TILE
        if not any(mx < x < mx + TILE and my < y < my + TILE for x in range(mx, mx + TILE, 4)
                   for y in range(my, my + TILE, 4) if (x, y) in reachable):
            problems.append(f"event {n} at tile ({c}, {r}) cannot be reached")
    for kind, count, c, r in level.bots:
        if (c * TILE, r * TILE) not in reachable:
            problems.append(f"bot group at tile ({c}, {r}) is not on reachable ground")
    if problems:
        sys.exit(f"{level.name}: " + "; ".join(problems))


# ---------------------------------------------------------------- level files

def write_text(relative_path, lines):
    """No line break after the last line: in a property file it would add an entry with an empty
    key, which in a tile texture file would take texture id 0."""
    path = os.path.join(ASSETS, relative_path)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", newline="\n") as out:
        out.write("\n".join(lines))


def write_level(level, script_number):
    base = f"data/levels/{level.folder}/{level.prefix}"
    keys = [f"{i:02d}" for i in range(len(TILE_IMAGES))]
    write_text(f"{base}LevelInit.txt", [
        f"TILE_LAYER_PATH:{base}TiledLayer.txt", f"PLAYER_PATH:{base}Player.txt",
        f"DOG_BOT_LOCATIONS:{base}Bots.txt", f"EVENTS_PATH:{base}Events.txt"])
    write_text(f"{base}TiledLayer.txt", [
        f"TILE_GRID_FILE:{base}TileGrid.txt", f"NUM_COLUMNS:{level.columns}", f"NUM_ROWS:{level.rows}",
        "TILE_WIDTH:32", "TILE_HEIGHT:32", "Z_LAYER:0", f"TILE_TEXTURES_FILE:{base}TileTextures.txt",
        f"COLLIDABLE_TILES_FILE:{base}CollidableTiles.txt", "FOG_OF_WAR_IMAGE_PATH:textures/world/fog.png"])
    write_text(f"{base}TileGrid.txt", [",".join(f"{t:02d}" for t in row) for row in level.grid])
    write_text(f"{base}TileTextures.txt",
               [f"{k}:textures/world/tiles/{name}.png" for k, name in zip(keys, TILE_IMAGES)])
    write_text(f"{base}CollidableTiles.txt",
               [f"{k}:{'TRUE' if i in COLLIDABLE else 'FALSE'}" for i, k in enumerate(keys)])
    write_text(f"{base}Player.txt", [
        "PLAYER_PATH:textures/world/sprites/player.png", "PLAYER_WIDTH:32", "PLAYER_HEIGHT:32",
        f"PLAYER_X:{level.start[0] * TILE}", f"PLAYER_Y:{level.start[1] * TILE}", "PLAYER_ALPHA:255",
        "PLAYER_VELOCITY_X:0", "PLAYER_VELOCITY_Y:0", "PLAYER_ACCELERATION_X:0", "PLAYER_ACCELERATION_Y:0"])
    write_text(f"{base}Bots.txt", [",".join(str(v) for v in bot) for bot in level.bots])
    write_text(f"{base}Events.txt", ["BLUE_TILE_PATH:textures/world/event_tile.png"])
    columns = ", ".join(str(c) for c, _ in level.events)
    rows = ", ".join(str(r) for _, r in level.events)
    paths = ", ".join(f'"textures/gui/objectives/objective_{script_number}_{n}.png"' for n in (1, 2, 3))
    write_text(f"TileEventScript{script_number}.lua", [
        f"-- {level.name}: the tiles of the level's three objectives, in the order they are reached.",
        "-- The event marker of objective n is drawn at (xCoors[n] * 32, yCoors[n] * 32).",
        f"xCoors = {{{columns}}}", f"yCoors = {{{rows}}}", f"paths = {{{paths}}}"])


def main():
    levels = []
    for number, build in enumerate((edge_of_the_moor, sunken_causeway, ruins_of_vex), 1):
        level, bot_totals = build()
        assert level.columns <= 100 and level.columns * TILE > 1024 and level.rows * TILE > 768
        reachable = reachable_positions(level)
        for kind, total in bot_totals.items():
            level.place_bots(kind, total, reachable, min_distance=16)
        check(level, reachable)
        levels.append((number, level))
    make_images()
    for number, level in levels:
        write_level(level, number)
        counts = {k: sum(n for kind, n, _, _ in level.bots if kind == k) for k in (3, 4)}
        print(f"{level.name}: {level.columns}x{level.rows} tiles, start {level.start}, "
              f"events {level.events}, wandering bots {counts[3]}, stealth bots {counts[4]}")


if __name__ == "__main__":
    main()
