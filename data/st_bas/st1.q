# How Bread Is Made

What does the first paragraph call the change from plain ingredients into a loaf?
- a lesson in simple chemistry
- a craft that takes years to learn
+ a small bit of magic in the kitchen
- a secret handed down by bakers

What does the text explain right after it describes how gluten forms?
+ how yeast feeds and gives off gas
- how the baker kneads the dough
- how wheat is ground into flour
- how the crust turns brown in the oven

What does the text say the dough is usually covered with while it proves?
- a sheet of plastic wrap
- an upturned mixing bowl
- a large flat plate
+ a cloth laid over it

How long does the text say kneading often goes on?
- about five minutes
+ about ten minutes
- about fifteen minutes
- about twenty minutes

Which of these shapes for the dough does the text name?
- a plaited loaf
- a ring with a hole
+ a long thin loaf
- a loaf baked in a tin

What does the text say many bakers do just before baking?
- brush the top with beaten egg
+ cut a few slashes across the top
- dust the top with a little flour
- spray the dough with cold water

Which two kinds of bread does the last paragraph describe?
- rye bread and soda bread
- sourdough and soda bread
- rye bread and flat breads
+ sourdough and flat breads

What point does the text make in its very last sentence?
+ the basic steps have barely changed for thousands of years
- bread made at home tastes better than bread from shops
- each country has kept its own way of shaping loaves
- more people now bake their own bread than ever before
