-- Edge of the Moor: the tiles of the level's three objectives, in the order they are reached.
-- The event marker of objective n is drawn at (xCoors[n] * 32, yCoors[n] * 32).
xCoors = {22, 36, 54}
yCoors = {8, 31, 7}
paths = {"textures/gui/objectives/objective_1_1.png", "textures/gui/objectives/objective_1_2.png", "textures/gui/objectives/objective_1_3.png"}