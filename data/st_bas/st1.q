# How Bread Is Made

What is the text mainly about?
- why bread is better for you than most foods
+ how a few plain ingredients turn into a loaf
- how bread spread from one country to another
- why bread from a shop tastes of so little

What does the text compare gluten to?
- a sponge soaked in warm water
- a coat of thin, clear glue
- a web spun by a tiny spider
+ a net of tiny rubber bands

How does the text describe yeast?
+ a kind of fungus that feeds on sugars in the flour
- a kind of salt that draws water into the dough
- a kind of powder ground from grains of wheat
- a kind of gas that is mixed in while kneading

Why do some bakers like a slow rise in a cool room?
- it keeps the dough from sticking to the bowl
- it makes the crust thinner and softer
+ it gives the bread a deeper taste
- it lets the loaf rise a third time

Why are slashes cut across the top before baking?
- so the heat reaches the middle of the loaf sooner
- so the crust turns a darker shade of brown
+ so the loaf opens neatly instead of splitting at the side
- so the gas can escape before the dough grows too big

What happens in the first few minutes of baking?
+ the gas bubbles swell and the loaf jumps up in size
- the yeast wakes up and starts to feed once more
- the crust sets at once and stops the loaf rising
- the gluten softens and the loaf sinks a little

What gives sourdough its slightly sour flavour?
- a splash of vinegar in the water
- extra salt added while kneading
- a long bake in a very hot oven
+ friendly bacteria in the starter

What does the text say about flat breads?
- they must always be baked twice
+ they may use no yeast at all
- they are made only from rye flour
- they need the longest time to prove
