# How Bread Is Made

Which of these does the text mention first?
- the heel of the baker's hand
- a sharp blade cut across the top
- a tap on the bottom of the loaf
+ the holes seen in a cut slice

Which of these does the text NOT say about yeast?
+ too much salt can kill it
- it is a kind of fungus
- it feeds on sugars in the flour
- it dies soon after baking starts

Which of these does the text NOT say about proving?
- the dough is usually covered with a cloth
- it often takes an hour or two
- the dough grows to about twice its size
+ the dough should sit in an oiled bowl

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

Which statement does the text close with?
- anyone can learn to make a loaf
- bread is eaten in almost every country
+ the basic steps have hardly changed in millennia
- a slow rise gives bread a deeper taste

Which of these does the text say in the same paragraph as the slashes on top?
- the loaf is tested by tapping its bottom
+ the shaped dough rises a second time
- the yeast works for an hour or two
- the dough is folded back and turned
