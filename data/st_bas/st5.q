# Caring for a Dog

In which part does the text mention a dog's heart?
+ the part on feeding
- the part on exercise
- the part on vet visits
- the part on grooming

Which of these foods does the text NOT name as harmful to dogs?
- grapes
- onions
- raisins
+ garlic

Which of these does the text mention first?
- fleas and ticks
+ a busy road
- a name tag
- loose hair and dirt

In which part does the text mention digging up the garden?
- the part on training
- the part on grooming
+ the part on exercise
- the part on vet visits

What does the text say long coats need brushing often to stop?
+ painful knots
- thick mats
- skin sores
- heavy shedding

Which sign of trouble does the text NOT tell owners to watch for?
- not eating
- limping
- being very tired
+ coughing

What does the text say shouting or harsh punishment tends to make a dog?
- fearful
+ anxious
- aggressive
- stubborn

What does the text's last paragraph say dogs need?
- to move, sniff and explore
- vaccines and regular checks
+ company, play and a calm rest
- a balanced diet and clean water
