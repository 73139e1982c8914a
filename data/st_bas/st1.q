# How Bread Is Made

Which of these does the text mention first?
- the heel of the baker's hand
- a sharp blade cut across the top
- a tap on the bottom of the loaf
+ the holes seen in a cut slice

Which of these does the text NOT say happens in the hot oven?
- the gas bubbles swell
+ the water turns to steam
- the yeast soon dies
- the gluten sets firm

How many kinds of grain does the text name?
+ one
- two
- three
- four

Which words does the text use for the dough after kneading?
- smooth and elastic
+ smooth and springy
- soft and silky
- firm and glossy

Which of these shapes for the dough does the text NOT name?
- a round loaf
- a long thin loaf
+ a loaf baked in a tin
- a batch of small rolls

How does the text describe the loaf in the first minutes of baking?
+ it jumps up in size
- it springs up in size
- it puffs up in size
- it shoots up in size

Which of these does the text's last paragraph NOT say?
- a starter holds wild yeast and bacteria
- flat breads may have no yeast at all
- the basic steps have changed little in ages
+ a slow rise gives a deeper taste

What does the text call the change from plain parts into an airy loaf?
- a simple bit of everyday science
- a quiet kind of kitchen chemistry
+ a small piece of kitchen magic
- a little everyday miracle
