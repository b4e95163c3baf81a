-- Sunken Causeway: the tiles of the level's three objectives, in the order they are reached.
-- The event marker of objective n is drawn at (xCoors[n] * 32, yCoors[n] * 32).
xCoors = {20, 58, 70}
yCoors = {10, 40, 6}
paths = {"textures/gui/objectives/objective_2_1.png", "textures/gui/objectives/objective_2_2.png", "textures/gui/objectives/objective_2_3.png"}