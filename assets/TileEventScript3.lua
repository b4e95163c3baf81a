-- Ruins of Vex: the tiles of the level's three objectives, in the order they are reached.
-- The event marker of objective n is drawn at (xCoors[n] * 32, yCoors[n] * 32).
xCoors = {50, 16, 94}
yCoors = {9, 52, 54}
paths = {"textures/gui/objectives/objective_3_1.png", "textures/gui/objectives/objective_3_2.png", "textures/gui/objectives/objective_3_3.png"}